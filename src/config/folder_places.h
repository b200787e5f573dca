// The places the folder picker lists beside its folder tree: the home folder, the root "/" and
// the mounted media, and which of them holds a given folder.
#pragma once

#include <QString>
#include <vector>

struct FolderPlace {
    QString name;  // as the list shows it
    QString path;  // absolute, without a trailing "/" except the root
    bool operator==(const FolderPlace&) const = default;
};

// The home folder, "/", then every mounted volume below /media, /mnt or /run/media.
std::vector<FolderPlace> folderPlaces();

// The position of the place that holds the folder: the one with the longest path that is the
// folder itself or one of its parents. -1 when none does (only when "/" is not among them).
int placeHolding(const std::vector<FolderPlace>& places, const QString& folder);

// The folder itself when it exists, else its nearest existing parent; the home folder for an
// empty or relative text.
QString nearestExistingFolder(const QString& folder);
