// A file type registered for the length of one test, under HKEY_CLASSES_ROOT.
#include "file_type.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace testing_support {
namespace {

bool SetDefaultValue(const std::string& key, const std::string& value) {
    HKEY handle = nullptr;
    const LONG created =
        RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr);
    EXPECT_EQ(created, ERROR_SUCCESS) << "cannot create HKEY_CLASSES_ROOT\\" << key;
    if (created != ERROR_SUCCESS) return false;
    const LONG set = RegSetValueExA(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                    static_cast<DWORD>(value.size() + 1));
    RegCloseKey(handle);
    EXPECT_EQ(set, ERROR_SUCCESS) << "cannot set HKEY_CLASSES_ROOT\\" << key;
    return set == ERROR_SUCCESS;
}

}  // namespace

RegisteredFileType::RegisteredFileType(const std::string& extension, const std::string& typeName,
                                       const std::string& opener)
    : extension_(extension), typeName_(typeName) {
    ok_ = SetDefaultValue(extension_, typeName_) &&
          SetDefaultValue(typeName_ + "\\shell\\open\\command", "\"" + opener + "\" \"%1\"");
}

RegisteredFileType::~RegisteredFileType() {
    RegDeleteTreeA(HKEY_CLASSES_ROOT, typeName_.c_str());
    RegDeleteTreeA(HKEY_CLASSES_ROOT, extension_.c_str());
}

}  // namespace testing_support
