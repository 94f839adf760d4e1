#include "custompaper/pages/CustomFileRequest.h"

#include "custompaper/CustomPaperFolder.h"
#include "platform/SettingsStore.h"

FileDialogRequest CustomFileRequest() {
    return {ReadCustomPaperFolder(SettingsStore()), "ZCF File(*.ZCF)|*.ZCF|All Files(*.*)|*.*||",
            "ZCF"};
}
