#include "app/PopupMenu.h"
#include "tamba_util/Exception.h"

#include "resource.h"

#include <gtest/gtest.h>
#include <string>

using tamba::app::PopupMenu;

namespace {
std::string text(HMENU menu, int position) {
    char buffer[64] = {};
    GetMenuStringA(menu, position, buffer, sizeof buffer, MF_BYPOSITION);
    return buffer;
}
} // namespace

TEST(PopupMenu, ShowsTheGamesOptionsAndExit) {
    PopupMenu menu(IDR_POPUP_MENU);
    HMENU shown = menu.submenu();
    ASSERT_NE(shown, nullptr);
    ASSERT_EQ(GetMenuItemCount(shown), 3);
    EXPECT_EQ(text(shown, 0), "&Games");
    EXPECT_EQ(text(shown, 1), "&Options");
    EXPECT_EQ(text(shown, 2), "E&xit");
    EXPECT_EQ(GetMenuItemID(shown, 1), static_cast<UINT>(IDM_OPTIONS));
    EXPECT_EQ(GetMenuItemID(shown, 2), static_cast<UINT>(IDM_EXIT));

    HMENU games = GetSubMenu(shown, 0);
    ASSERT_NE(games, nullptr);
    ASSERT_EQ(GetMenuItemCount(games), 4);
    const char* names[] = {"No Game", "Fishing Game", "Golf Game", "Caber Game"};
    const UINT ids[] = {IDM_NO_GAME, IDM_FISHING_GAME, IDM_GOLF_GAME, IDM_CABER_GAME};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(text(games, i), names[i]);
        EXPECT_EQ(GetMenuItemID(games, i), ids[i]);
        EXPECT_EQ(GetMenuState(games, i, MF_BYPOSITION) & (MF_CHECKED | MF_GRAYED | MF_DISABLED), 0u);
    }
}

TEST(PopupMenu, MissingResourceThrows) {
    try {
        PopupMenu menu(999);
        FAIL() << "no exception";
    } catch (const tamba::util::Exception& e) {
        EXPECT_STREQ(e.message().c_str(), "Could not create menu\n");
    }
}
