// A file type registered for the length of one test, under HKEY_CLASSES_ROOT.
#include "file_type.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "child.h"

namespace testing_support {
namespace {

bool SetDefaultValue(const std::string& key, const std::string& value) {
    HKEY handle = nullptr;
    const LONG created =
        RegCreateKeyExW(HKEY_CLASSES_ROOT, Wide(key).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr);
    EXPECT_EQ(created, ERROR_SUCCESS) << "cannot create HKEY_CLASSES_ROOT\\" << key;
    if (created != ERROR_SUCCESS) return false;
    const std::wstring wide = Wide(value);
    const LONG set = RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                                    static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
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
    RegDeleteTreeW(HKEY_CLASSES_ROOT, Wide(typeName_).c_str());
    RegDeleteTreeW(HKEY_CLASSES_ROOT, Wide(extension_).c_str());
}

}  // namespace testing_support
