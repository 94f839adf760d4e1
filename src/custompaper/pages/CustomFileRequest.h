#pragma once

#include "platform/FileDialogs.h"

// What the file dialogs of the custom file page ask for: custom paper files (or any file),
// starting in the folder a file was last saved to.
FileDialogRequest CustomFileRequest();
