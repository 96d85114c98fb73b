#include "shell/widgets/Snapshot.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTextStream>
#include <QThread>

#include "core/CheckedSaveFile.h"
#include "shell/widgets/TMDIContainer.h"

int SaveSnapshot(TMDIContainer& main, const QString& file, const QString& view) {
    // Let the windows lay themselves out and draw before the picture is taken.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 600) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(20);
    }
    const QImage picture = main.Snapshot(view);
    CheckedSaveFile out(file);
    if (picture.isNull() || !out.open() || !picture.save(&out.device(), "PNG")) out.fail();
    if (!out.commit()) {
        QTextStream(stderr) << "orbivale: could not write the picture " << file << "\n";
        return 1;
    }
    return 0;
}
