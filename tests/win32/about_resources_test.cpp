// The built tavrisk.exe's own resources, read as the system reads them: about dialog, icons, version
// record; and the dialog's procedure, called by the dialog manager on that template.
#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>
#include <xmllite.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "child.h"
#include "resource.h"
#include "ui/about.h"

namespace {

using namespace testing_support;

// The executable mapped as data: resources only, none of its code runs.
HMODULE Exe() {
    static HMODULE module = LoadLibraryExA(TavriskExe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    return module;
}

std::string ResourceBytes(LPCSTR type, int id) {
    HRSRC found = FindResourceA(Exe(), MAKEINTRESOURCEA(id), type);
    if (!found) return {};
    const void* bytes = LockResource(LoadResource(Exe(), found));
    return bytes ? std::string(static_cast<const char*>(bytes), SizeofResource(Exe(), found)) : std::string();
}

BOOL CALLBACK AddLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR list) {
    reinterpret_cast<std::vector<WORD>*>(list)->push_back(language);
    return TRUE;
}

// Every language a resource exists in; {0} for one language-neutral copy.
std::vector<WORD> Languages(LPCSTR type, int id) {
    std::vector<WORD> languages;
    EnumResourceLanguagesA(Exe(), type, MAKEINTRESOURCEA(id), AddLanguage, reinterpret_cast<LONG_PTR>(&languages));
    return languages;
}

// Little-endian fields of a resource, read in order. Reading past the end yields
// zeros and marks the reader overrun.
class Reader {
public:
    explicit Reader(std::string bytes) : bytes_(std::move(bytes)) {}

    DWORD Field(size_t size) {
        DWORD value = 0;
        if (at_ + size > bytes_.size()) {
            overrun_ = true;
        } else {
            std::memcpy(&value, bytes_.data() + at_, size);
        }
        at_ += size;
        return value;
    }
    BYTE Byte() { return static_cast<BYTE>(Field(1)); }
    WORD Word() { return static_cast<WORD>(Field(2)); }
    short Short() { return static_cast<short>(Field(2)); }
    DWORD Dword() { return Field(4); }

    // A zero-terminated UTF-16 text (ASCII expected; anything else reads as '?'),
    // or, after 0xFFFF, an ordinal, written "#n".
    std::string NameOrOrdinal() {
        WORD unit = Word();
        if (unit == 0xFFFF) return "#" + std::to_string(Word());
        std::string text;
        for (; unit != 0 && !overrun_; unit = Word()) text += unit < 0x80 ? static_cast<char>(unit) : '?';
        return text;
    }
    void AlignToDword() { at_ = (at_ + 3) & ~size_t{3}; }
    size_t Left() const { return at_ < bytes_.size() ? bytes_.size() - at_ : 0; }
    bool overrun() const { return overrun_; }

private:
    std::string bytes_;
    size_t at_ = 0;
    bool overrun_ = false;
};

TEST(AboutResources, DialogIsAStandardTemplateWithItsFiveControlsInOrder) {
    ASSERT_NE(Exe(), nullptr);
    EXPECT_EQ(Languages(RT_DIALOG, IDD_ABOUT), std::vector<WORD>{0});
    Reader dialog(ResourceBytes(RT_DIALOG, IDD_ABOUT));

    EXPECT_EQ(dialog.Dword(), 0x90C800C4u) << "style (0xFFFF0001 would be an extended template)";
    EXPECT_EQ(dialog.Dword(), 0u);
    EXPECT_EQ(dialog.Word(), 5);
    EXPECT_EQ(dialog.Short(), 0);
    EXPECT_EQ(dialog.Short(), 0);
    EXPECT_EQ(dialog.Short(), 228);
    EXPECT_EQ(dialog.Short(), 220);
    EXPECT_EQ(dialog.NameOrOrdinal(), "") << "menu";
    EXPECT_EQ(dialog.NameOrOrdinal(), "") << "window class";
    EXPECT_EQ(dialog.NameOrOrdinal(), "TAVRISK - RAM Cleaner");
    EXPECT_EQ(dialog.Word(), 8);
    EXPECT_EQ(dialog.NameOrOrdinal(), "Helv");

    const struct {
        DWORD style;
        short x, y, cx, cy;
        WORD id;
        const char* windowClass;  // #128 button, #130 static
        const char* text;
    } controls[] = {
        {0x50000012, 6, 6, 216, 180, 0xFFFF, "#130", ""}, {0x50000003, 14, 16, 20, 20, 0xFFFF, "#130", "#1"},
        {0x50000000, 44, 14, 170, 30, 10001, "#130", ""}, {0x50000000, 14, 52, 200, 130, 10002, "#130", ""},
        {0x50010301, 85, 196, 50, 14, 1, "#128", "OK"},
    };
    for (const auto& expected : controls) {
        SCOPED_TRACE(testing::Message() << "control " << (&expected - controls) + 1);
        dialog.AlignToDword();
        EXPECT_EQ(dialog.Dword(), expected.style);
        EXPECT_EQ(dialog.Dword(), 0u) << "extended style";
        EXPECT_EQ(dialog.Short(), expected.x);
        EXPECT_EQ(dialog.Short(), expected.y);
        EXPECT_EQ(dialog.Short(), expected.cx);
        EXPECT_EQ(dialog.Short(), expected.cy);
        EXPECT_EQ(dialog.Word(), expected.id);
        EXPECT_EQ(dialog.NameOrOrdinal(), expected.windowClass);
        EXPECT_EQ(dialog.NameOrOrdinal(), expected.text);
        EXPECT_EQ(dialog.Word(), 0) << "creation data";
    }
    EXPECT_FALSE(dialog.overrun());
    EXPECT_LT(dialog.Left(), 4u) << "bytes after the last control";
}

// The dialog procedure, built into this test, behind one that notes its answer.
INT_PTR g_initDialogAnswer = -1;

INT_PTR CALLBACK NoteInitDialogAnswer(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    const INT_PTR answer = HelpDlgProc(dialog, message, wParam, lParam);
    if (message == WM_INITDIALOG) g_initDialogAnswer = answer;
    return answer;
}

// TRUE lets the dialog manager give OK, the default button, the focus, so that Space presses
// it. Wine focuses the only tab stop even after FALSE: only the answer itself tells.
TEST(HelpDlgProc, AnswersInitDialogWithTrue) {
    ASSERT_NE(Exe(), nullptr);
    HWND dialog = CreateDialogParamA(Exe(), MAKEINTRESOURCEA(IDD_ABOUT), nullptr, NoteInitDialogAnswer,
                                     reinterpret_cast<LPARAM>(Exe()));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(g_initDialogAnswer, TRUE);
    DestroyWindow(dialog);
}

TEST(AboutResources, IconGroupOneListsImagesOneToFour) {
    ASSERT_NE(Exe(), nullptr);
    EXPECT_EQ(Languages(RT_GROUP_ICON, IDI_TAVRISK), std::vector<WORD>{0});
    Reader group(ResourceBytes(RT_GROUP_ICON, IDI_TAVRISK));
    EXPECT_EQ(group.Word(), 0);
    EXPECT_EQ(group.Word(), 1) << "an icon, not a cursor";
    ASSERT_EQ(group.Word(), 4);

    const struct {
        BYTE size, colours;  // 256 colours are written as 0
        WORD bitsPerPixel;
        DWORD bytes;
    } images[] = {{32, 16, 4, 744}, {16, 16, 4, 296}, {32, 0, 8, 2216}, {16, 0, 8, 1384}};
    for (const auto& expected : images) {
        const int id = static_cast<int>(&expected - images) + 1;
        SCOPED_TRACE(testing::Message() << "image " << id);
        EXPECT_EQ(group.Byte(), expected.size);
        EXPECT_EQ(group.Byte(), expected.size);
        EXPECT_EQ(group.Byte(), expected.colours);
        EXPECT_EQ(group.Byte(), 0);
        EXPECT_EQ(group.Word(), 1) << "planes";
        EXPECT_EQ(group.Word(), expected.bitsPerPixel);
        EXPECT_EQ(group.Dword(), expected.bytes);
        EXPECT_EQ(group.Word(), id);

        EXPECT_EQ(Languages(RT_ICON, id), std::vector<WORD>{0});
        Reader image(ResourceBytes(RT_ICON, id));
        EXPECT_EQ(image.Dword(), 40u) << "header size";
        EXPECT_EQ(image.Dword(), expected.size);
        EXPECT_EQ(image.Dword(), 2u * expected.size) << "colour and mask bitmaps";
        EXPECT_EQ(image.Word(), 1);
        EXPECT_EQ(image.Word(), expected.bitsPerPixel);
        EXPECT_EQ(image.Dword(), static_cast<DWORD>(BI_RGB));
        EXPECT_EQ(image.Left() + 20, expected.bytes) << "resource size";
    }
    EXPECT_FALSE(group.overrun());
    EXPECT_EQ(group.Left(), 0u);
}

TEST(AboutResources, VersionRecordIs1_4_51_1998WithItsStringsOnly) {
    ASSERT_NE(Exe(), nullptr);
    EXPECT_EQ(Languages(RT_VERSION, 1), std::vector<WORD>{0});
    const std::string exe = TavriskExe();
    std::string record(GetFileVersionInfoSizeA(exe.c_str(), nullptr), '\0');
    ASSERT_FALSE(record.empty());
    ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, static_cast<DWORD>(record.size()), record.data()));

    auto query = [&](const std::string& path, UINT* length = nullptr) -> void* {
        void* value = nullptr;
        UINT size = 0;
        if (!VerQueryValueA(record.data(), path.c_str(), &value, &size)) return nullptr;
        if (length) *length = size;
        return value;
    };

    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(query("\\"));
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010004u);
    EXPECT_EQ(fixed->dwFileVersionLS, (51u << 16) | 1998u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010004u);
    EXPECT_EQ(fixed->dwProductVersionLS, (51u << 16) | 1998u);
    EXPECT_EQ(fixed->dwFileFlagsMask, 0u);
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    EXPECT_EQ(fixed->dwFileOS, 0x4u);
    EXPECT_EQ(fixed->dwFileType, 0x1u);
    EXPECT_EQ(fixed->dwFileSubtype, 0u);

    auto text = [&](const char* name) {
        const void* value = query(std::string("\\StringFileInfo\\040904E4\\") + name);
        return value ? std::string(static_cast<const char*>(value)) : std::string("(absent)");
    };
    EXPECT_EQ(text("FileDescription"), "Windows 32-bit Tavrisk.");
    EXPECT_EQ(text("FileVersion"), "1.4.51");
    EXPECT_EQ(text("InternalName"), "TAVRISK");
    EXPECT_EQ(text("OriginalFilename"), "tavrisk.exe");
    EXPECT_NE(text("LegalCopyright").find("1998"), std::string::npos) << text("LegalCopyright");
    EXPECT_NE(text("LegalTradeMarks").find("Windows"), std::string::npos) << text("LegalTradeMarks");
    for (const char* absent : {"CompanyName", "ProductName", "ProductVersion", "Comments"})
        EXPECT_EQ(text(absent), "(absent)") << absent;

    UINT length = 0;
    const auto* translation = static_cast<const WORD*>(query("\\VarFileInfo\\Translation", &length));
    ASSERT_NE(translation, nullptr);
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0409);
    EXPECT_EQ(translation[1], 0x04B0);
}

// One element of a parsed XML document: its namespace and name, its attributes
// by name, the namespaces it declares (in order) and its text.
struct XmlElement {
    std::string space, name;
    std::map<std::string, std::string> attributes;
    std::vector<std::string> declared;
    std::string text;
};

std::string Narrow(const WCHAR* text) {
    std::string narrow;
    for (; text && *text; ++text) narrow += *text < 0x80 ? static_cast<char>(*text) : '?';
    return narrow;
}

// Parses `xml` with the system's XmlLite, as Windows reads a manifest with a
// parser of its own. False, with `error` set, when it is not well-formed XML.
bool ParseXml(const std::string& xml, std::vector<XmlElement>& elements, std::string& error) {
    using Create = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);
    HMODULE library = LoadLibraryA("xmllite.dll");
    const auto create =
        library ? reinterpret_cast<Create>(reinterpret_cast<void*>(GetProcAddress(library, "CreateXmlReader")))
                : nullptr;
    if (!create) return error = "no XmlLite", false;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, xml.size());
    std::memcpy(GlobalLock(memory), xml.data(), xml.size());
    GlobalUnlock(memory);
    IStream* stream = nullptr;
    IXmlReader* reader = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream)) ||
        FAILED(create(__uuidof(IXmlReader), reinterpret_cast<void**>(&reader), nullptr)) ||
        FAILED(reader->SetInput(stream)))
        return error = "cannot start XmlLite", false;

    XmlNodeType type;
    HRESULT result;
    std::vector<std::size_t> open;  // elements whose end tag has not been read
    while ((result = reader->Read(&type)) == S_OK) {
        const WCHAR* value = nullptr;
        if (type == XmlNodeType_Element) {
            XmlElement element;
            reader->GetNamespaceUri(&value, nullptr);
            element.space = Narrow(value);
            reader->GetLocalName(&value, nullptr);
            element.name = Narrow(value);
            const bool empty = reader->IsEmptyElement();
            for (HRESULT more = reader->MoveToFirstAttribute(); more == S_OK; more = reader->MoveToNextAttribute()) {
                const WCHAR *prefix = nullptr, *name = nullptr;
                reader->GetPrefix(&prefix, nullptr);
                reader->GetLocalName(&name, nullptr);
                reader->GetValue(&value, nullptr);
                if (Narrow(prefix) == "xmlns" || (Narrow(prefix).empty() && Narrow(name) == "xmlns"))
                    element.declared.push_back(Narrow(value));
                else
                    element.attributes[Narrow(name)] = Narrow(value);
            }
            elements.push_back(element);
            if (!empty) open.push_back(elements.size() - 1);
        } else if (type == XmlNodeType_EndElement && !open.empty()) {
            open.pop_back();
        } else if (type == XmlNodeType_Text && !open.empty()) {
            reader->GetValue(&value, nullptr);
            elements[open.back()].text += Narrow(value);
        }
    }
    reader->Release();
    stream->Release();
    if (FAILED(result)) return error = "not well-formed, HRESULT " + std::to_string(result), false;
    return true;
}

std::string SourceFile(const char* name) {
    return ReadBytes(WinPath(std::string(TAVRISK_SOURCE_DIR) + "/res/" + name));
}

TEST(Manifest, IsTheSourceFileAndAsksForAsInvokerOsSupportAndDpiAwareness) {
    ASSERT_NE(Exe(), nullptr);
    EXPECT_EQ(Languages(RT_MANIFEST, 1), std::vector<WORD>{0});
    const std::string manifest = ResourceBytes(RT_MANIFEST, 1);
    ASSERT_FALSE(manifest.empty());
    EXPECT_TRUE(manifest == SourceFile("tavrisk.manifest")) << "the resource differs from res/tavrisk.manifest";

    std::vector<XmlElement> elements;
    std::string error;
    ASSERT_TRUE(ParseXml(manifest, elements, error)) << error;
    ASSERT_FALSE(elements.empty());
    EXPECT_EQ(elements[0].space + " " + elements[0].name, "urn:schemas-microsoft-com:asm.v1 assembly");

    std::set<std::string> supported;
    int levels = 0, dpi = 0;
    for (XmlElement& element : elements) {
        SCOPED_TRACE(element.name);
        // XP SP2 restarts when a manifest binds one namespace twice on one element.
        const std::set<std::string> unique(element.declared.begin(), element.declared.end());
        EXPECT_EQ(unique.size(), element.declared.size()) << "a namespace bound twice";
        EXPECT_NE(element.name, "dependency") << "no side-by-side dependency (common controls 6)";
        if (element.name == "requestedExecutionLevel") {
            ++levels;
            EXPECT_EQ(element.space, "urn:schemas-microsoft-com:asm.v3");
            EXPECT_EQ(element.attributes["level"], "asInvoker");
            EXPECT_EQ(element.attributes["uiAccess"], "false");
        } else if (element.name == "supportedOS") {
            EXPECT_EQ(element.space, "urn:schemas-microsoft-com:compatibility.v1");
            supported.insert(element.attributes["Id"]);
        } else if (element.name == "dpiAware") {
            ++dpi;
            EXPECT_EQ(element.space, "http://schemas.microsoft.com/SMI/2005/WindowsSettings");
            EXPECT_EQ(element.text, "true");
        }
    }
    EXPECT_EQ(levels, 1);
    EXPECT_EQ(dpi, 1);
    EXPECT_EQ(supported, (std::set<std::string>{
                             "{e2011457-1546-43c5-a5fe-008deee3d3f0}",  // Vista
                             "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // 7
                             "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // 8
                             "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // 8.1
                             "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // 10 and 11
                         }));
}

}  // namespace
