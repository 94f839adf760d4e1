#pragma once

// What the file dialogs of the custom file page offer: custom paper files, or any file.
inline constexpr const char* kCustomFileFilter = "ZCF File(*.ZCF)|*.ZCF|All Files(*.*)|*.*||";
inline constexpr const char* kCustomFileExtension = "ZCF";
