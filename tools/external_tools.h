#pragma once

namespace lumetta {

class frmMain;

// The maker's web site, opened by Help > 浏览器主页.
inline constexpr char kMakerSite[] = "http://www.lumetta.net/";

// The text of the About box: the product and version, then the maker's site without its
// final "/", on two lines.
inline constexpr char kAboutText[] = "琉梅塔 - Lumetta V1.9\r\n浏览器主页：http://www.lumetta.net";

// Tools > 系统实用工具: the desktop's text editor, calculator and file manager.
void mnuMainToolEXENotepad_Click(frmMain& form);
void mnuMainToolEXECalc_Click(frmMain& form);
void mnuMainToolEXEExplorer_Click(frmMain& form);
// Tools > Internet 选项.
void mnuMainToolInternetOption_Click(frmMain& form);
// Help > 关于Lumetta.
void mnuMainHelpAbout_Click(frmMain& form);
// Help > 浏览器主页: the maker's site in a new window.
void mnuMainHelpSoftPage_Click(frmMain& form);

}  // namespace lumetta
