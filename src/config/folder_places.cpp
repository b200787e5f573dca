#include "config/folder_places.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include "config/folder_path.h"

namespace {
bool holds(const QString& place, const QString& folder) {
    if (place == QLatin1String("/"))
        return folder.startsWith(QLatin1Char('/'));
    return folder == place || folder.startsWith(place + QLatin1Char('/'));
}

bool isMediaMount(const QString& root) {
    return root.startsWith(QLatin1String("/media/")) || root.startsWith(QLatin1String("/mnt/")) ||
           root.startsWith(QLatin1String("/run/media/"));
}
}  // namespace

std::vector<FolderPlace> folderPlaces() {
    std::vector<FolderPlace> places;
    const QString home = shownFolder(QDir::homePath());
    places.push_back({QStringLiteral("Persönlicher Ordner (%1)").arg(home), home});
    places.push_back({QStringLiteral("/"), QStringLiteral("/")});
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = shownFolder(volume.rootPath());
        // Disks and sticks are block devices; memory and bind mounts of the system are not.
        if (!volume.isValid() || !volume.isReady() || !isMediaMount(root) ||
            !volume.device().startsWith("/dev/"))
            continue;
        const QString label = volume.displayName();
        places.push_back({label == root ? root : QStringLiteral("%1 (%2)").arg(label, root), root});
    }
    return places;
}

int placeHolding(const std::vector<FolderPlace>& places, const QString& folder) {
    const QString f = shownFolder(folder);
    int best = -1;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const QString& p = places[i].path;
        if (holds(p, f) && (best < 0 || p.size() > places[std::size_t(best)].path.size()))
            best = int(i);
    }
    return best;
}

QString nearestExistingFolder(const QString& folder) {
    QString f = shownFolder(folder);
    if (f.isEmpty() || QDir::isRelativePath(f))
        return shownFolder(QDir::homePath());
    while (!QFileInfo(f).isDir() && f != QLatin1String("/"))
        f = shownFolder(QFileInfo(f).path());
    return f;
}
