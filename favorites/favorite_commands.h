#pragma once

namespace lumetta {

class MenuItem;
class frmMain;

// Fixed home pages of the Favorites menu, opened in new windows.
inline constexpr char kBaiduHomePage[] = "https://www.baidu.com/";
inline constexpr char kYahooHomePage[] = "https://tw.yahoo.com/";
inline constexpr char kGoogleHomePage[] = "https://www.google.com.hk/";

void mnuMainFavoriteAdd_Click(frmMain& form);
void mnuMainFavoriteModify_Click(frmMain& form);
void mnuMainFavoriteUser_Click(frmMain& form, int index);
void mnuMainFavoriteBaiDu_Click(frmMain& form);
void mnuMainFavoriteYahoo_Click(frmMain& form);
void mnuMainFavoriteGoogle_Click(frmMain& form);

// Ties the Favorites menu's items to their handlers for as long as the window is open.
void ConnectFavoriteEvents(frmMain& form);
// Ties one entry of the window's favorites list to its handler; for entries made at run time.
void ConnectFavoriteEntry(frmMain& form, MenuItem& entry);

}  // namespace lumetta
