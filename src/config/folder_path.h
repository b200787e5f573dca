// Folder texts of the settings dialogs: a folder and a file name joined with one "/", a path split
// into its folder and its file name, and the folder text the folder picker hands back.
#pragma once

#include <QString>

struct FolderAndFile {
    QString folder;  // up to and including the last "/"; empty when the path holds none
    QString file;
    bool operator==(const FolderAndFile&) const = default;
};

// The folder followed by the file name, with a "/" between them unless the folder ends with one.
// An empty folder gives the file name alone.
QString joinFolderAndFile(const QString& folder, const QString& file);

// The path's folder (up to and including its last "/") and its file name.
FolderAndFile splitFolderAndFile(const QString& path);

// The folder with a "/" at its end, added when missing (an empty text stays empty).
QString withTrailingSlash(const QString& folder);

// A chosen folder as the dialogs show it: cleaned ("a//b/./c" is "a/b/c"), without a trailing
// "/", except the root "/" itself.
QString shownFolder(const QString& folder);

// What stands against a folder field on "OK", as a message naming the folder; empty when the folder
// exists, can be created (the nearest existing folder above it is writable), or the field is empty.
// Nothing is created here: the writers create the folder when they first write into it.
QString folderProblem(const QString& folder);
