// Gives each window test program settings, data and cache folders of its own, made when it starts
// and removed when it ends: a window that reads its settings at start-up must never see what a
// program running beside it, an earlier run or the person at this machine left there.
#include <QTemporaryDir>
#include <QtGlobal>

namespace {

struct TOwnFolders {
    QTemporaryDir Root;
    TOwnFolders() {
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
            qputenv(name, (Root.path() + "/" + name).toLocal8Bit());
        }
    }
};

// Built before main, so before the application object reads any of the three.
const TOwnFolders ownFolders;

} // namespace
