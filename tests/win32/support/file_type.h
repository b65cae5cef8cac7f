// A file type registered for the length of one test, opened by a program of the test's choosing.
#pragma once

#include <string>

namespace testing_support {

// Registers `extension` (".log") as type `typeName`, opened by `"<opener>" "%1"`, and removes
// both keys again on destruction. Wine 8 reads associations from HKEY_CLASSES_ROOT only (its
// HKLM\Software\Classes); it does not merge in HKCU\Software\Classes, so a per-user
// registration would go unseen.
class RegisteredFileType {
public:
    RegisteredFileType(const std::string& extension, const std::string& typeName, const std::string& opener);
    ~RegisteredFileType();
    RegisteredFileType(const RegisteredFileType&) = delete;
    RegisteredFileType& operator=(const RegisteredFileType&) = delete;

    bool ok() const { return ok_; }  // false (and the test failed) when a key could not be written

private:
    std::string extension_, typeName_;
    bool ok_ = false;
};

}  // namespace testing_support
