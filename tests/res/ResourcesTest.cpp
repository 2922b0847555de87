// Loads every picture the program uses out of the built program file itself, the way the program does.
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct PictureRun {
    int first;
    int last;
    int width;
    int height;
    bool outlined; // has a REGION beside the bitmap
};

const PictureRun pictures[] = {
    {100, 102, 262, 206, true},  {103, 103, 362, 316, false}, {107, 107, 363, 316, false},
    {110, 110, 362, 316, false}, {200, 202, 83, 120, true},   {221, 223, 501, 316, true},
    {300, 311, 37, 29, true},    {400, 421, 158, 188, true},
};

class ProgramResources : public testing::Test {
protected:
    void SetUp() override {
        module = LoadLibraryExA(tamba::test::programPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr) << tamba::test::programPath();
    }
    void TearDown() override {
        if (module != nullptr)
            FreeLibrary(module);
    }
    HMODULE module = nullptr;
};

} // namespace

TEST_F(ProgramResources, EveryPictureLoadsAtItsSizeWithItsOutline) {
    for (const PictureRun& run : pictures) {
        for (int id = run.first; id <= run.last; ++id) {
            HBITMAP bitmap = LoadBitmapA(module, MAKEINTRESOURCEA(id));
            ASSERT_NE(bitmap, nullptr) << "bitmap " << id;
            BITMAP info = {};
            GetObjectA(bitmap, sizeof info, &info);
            EXPECT_EQ(info.bmWidth, run.width) << id;
            EXPECT_EQ(info.bmHeight, run.height) << id;
            DeleteObject(bitmap);

            HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), "REGION");
            if (!run.outlined) {
                EXPECT_EQ(found, nullptr) << "a plain picture has no outline: " << id;
                continue;
            }
            ASSERT_NE(found, nullptr) << "region " << id;
            const DWORD size = SizeofResource(module, found);
            const auto* data = static_cast<const RGNDATA*>(LockResource(LoadResource(module, found)));
            ASSERT_NE(data, nullptr);
            ASSERT_EQ(size, sizeof(RGNDATAHEADER) + data->rdh.nCount * sizeof(RECT)) << id;
            HRGN region = ExtCreateRegion(nullptr, size, data);
            ASSERT_NE(region, nullptr) << "region " << id;
            RECT box = {};
            const int kind = GetRgnBox(region, &box);
            if (id == 421) {
                EXPECT_EQ(kind, NULLREGION) << "the diver at home shows nothing";
            } else {
                EXPECT_NE(kind, NULLREGION) << id;
                EXPECT_GE(box.left, 0);
                EXPECT_GE(box.top, 0);
                EXPECT_LE(box.right, run.width);
                EXPECT_LE(box.bottom, run.height);
            }
            if (id >= 221 && id <= 223) {
                EXPECT_EQ(kind, SIMPLEREGION);
                EXPECT_EQ(box.right - box.left, 501);
                EXPECT_EQ(box.bottom - box.top, 316);
            }
            DeleteObject(region);
        }
    }
}

TEST_F(ProgramResources, MenuDialogsCursorAndIconArePresent) {
    HMENU menu = LoadMenuA(module, MAKEINTRESOURCEA(101));
    ASSERT_NE(menu, nullptr);
    DestroyMenu(menu);
    EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(101), reinterpret_cast<LPCSTR>(RT_DIALOG)), nullptr);
    EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(106), reinterpret_cast<LPCSTR>(RT_DIALOG)), nullptr);
    EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(100), reinterpret_cast<LPCSTR>(RT_GROUP_CURSOR)),
              nullptr);
    EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(1), reinterpret_cast<LPCSTR>(RT_GROUP_ICON)), nullptr);
    EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(1), reinterpret_cast<LPCSTR>(RT_VERSION)), nullptr);
}

// The application manifest: run as invoker, every system from Vista to the current one, and aware of each
// monitor's DPI.
TEST_F(ProgramResources, ManifestRunsAsInvokerOnEverySystemFromVista) {
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), reinterpret_cast<LPCSTR>(RT_MANIFEST));
    ASSERT_NE(found, nullptr) << "no manifest";
    const auto* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
    ASSERT_NE(data, nullptr);
    const std::string manifest(data, SizeofResource(module, found));
    EXPECT_NE(manifest.find("<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"),
              std::string::npos);
    const char* const systems[] = {
        "{e2011457-1546-43c5-a5fe-008deee3d3f0}", // Vista
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", // 7
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", // 8
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", // 8.1
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", // 10 and 11
    };
    for (const char* id : systems)
        EXPECT_NE(manifest.find(std::string("<supportedOS Id=\"") + id + "\"/>"), std::string::npos) << id;
    // Windows must never stretch the toy: it draws at each monitor's scale itself.
    EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string::npos);
    EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
}
