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
