#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace mienlore {

// Where the program writes files that belong beside its shipped data (the
// pages' "text.htm", the report folder, My Gallery, the chosen "lang.lng").
//
// A program folder that can be written (a build folder) takes them itself.
// An installed program folder is read-only; then they go to the per-user data
// folder, $XDG_DATA_HOME/Mienlore (default ~/.local/share/Mienlore), which
// mirrors the program folder's data folders.

// True when new files can be created in folder. Root passes every permission
// check, so for root a folder counts as writable only while some write bit of
// its mode is set: a tree made read-only stays read-only for every user.
bool IsFolderWritable(const std::filesystem::path& folder);

// $XDG_DATA_HOME/Mienlore when XDG_DATA_HOME is an absolute path, otherwise
// $HOME/.local/share/Mienlore (the working directory's ".local/share/Mienlore"
// when HOME is unset).
std::filesystem::path PerUserDataFolder();

// The folder that receives written files: programFolder when it is writable,
// otherwise PerUserDataFolder().
std::filesystem::path WritableDataFolder(const std::filesystem::path& programFolder);

// The path to write fileName of dataFolder (for example "Text", "text.htm"),
// with its folder created. When the per-user folder is used, the shipped files
// named in companions (style sheets, backgrounds the written file refers to)
// are copied from the program folder's dataFolder first, where not there yet.
// Returns an empty path with a message in *error when the folder cannot be
// made; a companion that cannot be copied is not an error (the page then
// shows without it).
std::filesystem::path UserDataPath(const std::filesystem::path& programFolder,
                                   const std::string& dataFolder, const std::string& fileName,
                                   const std::vector<std::string>& companions = {},
                                   std::string* error = nullptr);

// Where to read a file the program may have written (for example "lang.lng"):
// where UserDataPath writes it when a copy exists there, otherwise the
// program folder's shipped one.
std::filesystem::path PreferredReadPath(const std::filesystem::path& programFolder,
                                        const std::string& dataFolder, const std::string& fileName);

} // namespace mienlore
