#pragma once

#include <ctime>
#include <string>

namespace lumetta {

// The folder (in the system's temporary folder) that a download to be opened goes to, with six
// letters or digits in place of the Xs.
inline constexpr char kOpenedDownloadFolder[] = "lumetta-XXXXXX";

// A program opening a download has had it this long.
inline constexpr time_t kStaleOpenedDownloadSeconds = 24 * 60 * 60;

// Removes from `temp_folder` the user's folders of downloads that were opened, when neither they
// nor anything in them changed for kStaleOpenedDownloadSeconds. A folder holding a folder is
// left alone: the program that opened the file made it. Gives how many folders went.
int RemoveStaleOpenedDownloads(const std::string& temp_folder);

// What the browser's earlier runs (and the options panel's) left behind when they were killed:
// temporary files beside the user's settings, history, favorites and the page source, and the
// folders of downloads that were opened. Only names of our own making go, and only files no live
// process is writing.
void RemoveStaleFiles(const std::string& favorites_folder);

}  // namespace lumetta
