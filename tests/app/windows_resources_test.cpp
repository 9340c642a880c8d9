// The compiled resources of the program, read back from this executable
// (linked with the same resource script): the version record's numbers and
// texts are the project's version, the manifest asks for the themed common
// controls and no elevation, and the icon is there.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

std::vector<char> ownVersionRecord() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    std::vector<char> data(size);
    if (size == 0 || !GetFileVersionInfoW(path, 0, size, data.data())) data.clear();
    return data;
}

// A text of the French (0x040C, code page 1252) string table, as UTF-8.
std::string versionText(std::vector<char>& record, const wchar_t* name) {
    const std::wstring key = std::wstring(L"\\StringFileInfo\\040C04E4\\") + name;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(record.data(), key.c_str(), &value, &length) || length == 0) return "(none)";
    const auto* wide = static_cast<const wchar_t*>(value);
    std::string out;
    for (UINT i = 0; i < length && wide[i] != 0; ++i) out.push_back(static_cast<char>(wide[i]));
    return out;
}

std::string resourceText(const wchar_t* name, const wchar_t* type) {
    HRSRC found = FindResourceW(nullptr, name, type);
    if (!found) return std::string();
    HGLOBAL loaded = LoadResource(nullptr, found);
    const auto* bytes = static_cast<const char*>(LockResource(loaded));
    return bytes ? std::string(bytes, SizeofResource(nullptr, found)) : std::string();
}

TEST(WindowsResources, VersionRecordIsTheProjectVersion) {
    std::vector<char> record = ownVersionRecord();
    ASSERT_FALSE(record.empty()) << "no version record";

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    const DWORD versionMs = MAKELONG(GRAVITARIA_VERSION_MINOR, GRAVITARIA_VERSION_MAJOR);
    EXPECT_EQ(fixed->dwFileVersionMS, versionMs);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, versionMs);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    EXPECT_EQ(versionText(record, L"ProductVersion"), GRAVITARIA_PROJECT_VERSION);
    EXPECT_EQ(versionText(record, L"FileVersion"), GRAVITARIA_PROJECT_VERSION ".0.0");
    EXPECT_EQ(versionText(record, L"ProductName"), "Gravitaria");
    EXPECT_EQ(versionText(record, L"FileDescription"), "Simulation du mouvement de satellites");
    EXPECT_EQ(versionText(record, L"LegalTrademarks"), "Libre de droits");

    // The string table is the one the translation entry names.
    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_GE(length, 4u);
    EXPECT_EQ(translation[0], 0x040C);
    EXPECT_EQ(translation[1], 1252);
}

TEST(WindowsResources, ManifestAsksForThemedControlsWithoutElevation) {
    const std::string manifest = resourceText(MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_FALSE(manifest.empty()) << "no manifest resource 1";
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
}

TEST(WindowsResources, ProgramIconIsThere) {
    EXPECT_NE(FindResourceW(nullptr, L"IDI_ICON1", MAKEINTRESOURCEW(14)), nullptr);  // RT_GROUP_ICON
    EXPECT_NE(LoadIconW(GetModuleHandleW(nullptr), L"IDI_ICON1"), nullptr);
}

}  // namespace
