// SPDX-License-Identifier: Apache-2.0
// Draws the pictures in docs/: the details window of a partly covered clip, and the result
// list's context menu, both over a window that verified a small export. Run under an X server
// (scripts/make-screenshots.sh runs it in Xvfb) with the folder to write the PNG files to. Given a
// locale's name as well, it draws that locale's pictures instead, in the language the system locale
// selects: the Open File(s) dialog, and the tooltip of a failed row whose name another folder shares.

#include "GuiTestSupport.h"
#include "app/MainWindow.h"
#include "tests/support/EvidenceFiles.h"
#include "ui/DetailsWindow.h"

#include <QApplication>
#include <QColor>
#include <QContextMenuEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMenu>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>
#include <QTreeView>

#include <cstdio>

namespace {
void Settle(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

QModelIndex ShownRow(const QTreeView* view, const QString& name)
{
    const QAbstractItemModel* shown = view->model();
    for (int row = 0; row < shown->rowCount(); ++row) {
        if (shown->index(row, 0).data().toString() == name)
            return shown->index(row, 0);
    }
    return QModelIndex();
}

void Select(QTreeView* view, const QModelIndex& row)
{
    view->selectionModel()->select(row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

bool Save(const QPixmap& picture, const QString& path)
{
    if (picture.isNull() || !picture.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}
QPixmap ScreenArea(const QRect& area)
{
    return QGuiApplication::primaryScreen()->grabWindow(0).copy(area.adjusted(-8, -8, 8, 8));
}

// Two cameras' stills of one name, the second one changed: the window lists them alike, the tooltip
// of the failed one tells its folder. The Open File(s) dialog is drawn over the first camera's folder.
int DrawLocalePictures(const QDir& output, const QString& locale, const QString& work)
{
    const QDir base(work);
    base.mkpath("cam02");
    base.mkpath("cam03");
    const QString first = MakeEvidence(base.filePath("cam02"), "still.jpg", "IMG_0001.jpg");
    const QString second = MakeTamperedEvidence(base.filePath("cam03"), "still.jpg", "IMG_0001.jpg");
    if (first.isEmpty() || second.isEmpty() ||
        MakeEvidence(base.filePath("cam02"), "clip-faststart.mp4", "CLIP_0002.mp4").isEmpty())
        return 1;

    MainWindow window;
    window.resize(840, 300);
    window.move(40, 40);
    window.show();
    window.AddPaths({first, second});
    Settle(500);
    auto* view = window.findChild<QTreeView*>();
    QModelIndex failed;
    for (int row = 0; row < view->model()->rowCount(); ++row) {
        const QModelIndex index = view->model()->index(row, 1);
        if (index.data(Qt::ForegroundRole).value<QColor>() == QColor(Qt::red))
            failed = index;
    }
    if (!failed.isValid())
        return 1;
    const QPoint at = view->visualRect(failed).center();
    QToolTip::showText(view->viewport()->mapToGlobal(at), failed.data(Qt::ToolTipRole).toString(),
                       view->viewport());
    Settle(800);
    const QWidget* tip = QApplication::topLevelAt(view->viewport()->mapToGlobal(at) + QPoint(4, 24));
    const QRect tipArea = tip && tip != &window ? tip->frameGeometry() : QRect();
    if (!Save(ScreenArea(window.frameGeometry().united(tipArea)),
              output.filePath("tooltip-" + locale + ".png")))
        return 1;
    QToolTip::hideText();

    // The dialog starts in the working folder; it is drawn once it is up, then cancelled.
    QDir::setCurrent(base.filePath("cam02"));
    bool saved = false;
    QTimer::singleShot(800, [&output, &locale, &saved] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialog->resize(720, 420);
        Settle(500);
        saved = Save(dialog->grab(), output.filePath("file-dialog-" + locale + ".png"));
        dialog->reject();
    });
    QMetaObject::invokeMethod(&window, "OpenFiles");
    return saved ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: MakeScreenshots OUTPUT-FOLDER [LOCALE]\n");
        return 2;
    }
    const QDir output(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
    QTemporaryDir work;
    if (!work.isValid())
        return 1;
    UseTemporarySettings(work);
    QDir::setCurrent(work.path());
    if (argc == 3)
        return DrawLocalePictures(output, QString::fromLocal8Bit(argv[2]), work.path());
    const QString folder = QDir(work.path()).filePath("export");
    QDir().mkpath(folder);

    StampRecord record;
    const QString still = MakeEvidence(folder, "still.jpg", "cam1-entrance.jpg", record);
    record.version = "1.1";
    const QString clip = MakeEvidence(folder, "clip-faststart.mp4", "cam2-lobby.mp4", record);
    const QString tampered = MakeTamperedEvidence(folder, "clip.avi", "cam3-yard.avi");
    const QString plain = MakePlainMedia(folder, "still.jpg", "snapshot.jpg");
    if (still.isEmpty() || clip.isEmpty() || tampered.isEmpty() || plain.isEmpty())
        return 1;

    MainWindow window;
    window.resize(840, 300);
    window.move(40, 40);
    window.show();
    window.AddPaths({still, clip, tampered, plain});
    Settle(500);
    auto* view = window.findChild<QTreeView*>();

    const QModelIndex clipRow = ShownRow(view, "cam2-lobby.mp4");
    Select(view, clipRow);
    window.ShowDetails(clipRow);
    auto* details = window.findChild<DetailsWindow*>();
    if (!details)
        return 1;
    for (int wait = 0; wait < 100 && details->Text().contains("being computed"); ++wait)
        Settle(50);
    details->resize(760, 480);
    Settle(300);
    if (!Save(details->grab(), output.filePath("details-window.png")))
        return 1;
    details->close();
    Settle(300);

    const QModelIndex failedRow = ShownRow(view, "cam3-yard.avi");
    Select(view, failedRow);
    const QPoint at = view->visualRect(failedRow.siblingAtColumn(1)).center();
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
    QApplication::sendEvent(view->viewport(), &request);
    Settle(500);
    auto* menu = view->findChild<QMenu*>();
    if (!menu || !menu->isVisible())
        return 1;
    const QRect shown = window.frameGeometry().united(menu->geometry()).adjusted(-8, -8, 8, 8);
    const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
    return Save(screen.copy(shown), output.filePath("context-menu.png")) ? 0 : 1;
}
