#pragma once
// Where an installed game keeps each player's own files. A data folder that
// holds kInstallMarker is an install, shared and read-only: there the saved
// options and keys ("cfg\\..." written) go to the user's configuration
// folder, the log ("logs\\...") to the user's state folder and screenshots
// ("screenshots\\...") to the user's pictures folder, and a "cfg\\..." file
// is read from the user's folder first. A folder without the marker (the
// build's game folder) keeps every file inside itself.
#include <string>

extern const char kInstallMarker[];  // "installed.txt"

// Whether the working folder is an installed data folder.
bool DataFolderIsInstalled();

struct UserFolders {
    std::string config;    // $XDG_CONFIG_HOME/corralon, ~/.config/corralon
    std::string state;     // $XDG_STATE_HOME/corralon, ~/.local/state/corralon
    std::string pictures;  // the XDG pictures folder's Corralon, ~/Pictures/Corralon
};

// From XDG_CONFIG_HOME, XDG_STATE_HOME, HOME and the user's user-dirs.dirs.
// A folder left empty when there is no home to put it in.
UserFolders CurrentUserFolders();

// Where the game path `path` (the game's spelling, "cfg\\config.cfg") lives
// for this user in an install. Answers false when the path is the data
// folder's own (not an install, or not a user file). Else *user is the
// user's file (empty when there is no user folder) and *dataFallback says
// whether, for reading, the data folder's copy counts when the user has
// none.
bool UserPathFor(const std::string& path, std::string* user, bool* dataFallback);

// In an install, makes the user's configuration and state folders. Empty
// when they are there (or not needed), else the folder that could not be
// made and why, for the log.
std::string MakeUserFolders();

// Makes `folder` and its missing parents. 1 on success, else 0 with errno.
int PlatformMakeFolders(const std::string& folder);
