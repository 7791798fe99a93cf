// The controls gallery: each control in its typical configurations, without an interview.
// `controls-gallery --screenshots DIR` renders every page to DIR/<page>.png and exits.

#include "GalleryPages.h"
#include "MessageBox.h"

#include <QApplication>
#include <QDir>
#include <QScrollArea>
#include <QTabWidget>

#include <algorithm>
#include <cstdio>

std::vector<TGalleryPage>& GalleryPages() {
    static std::vector<TGalleryPage> pages;
    return pages;
}

namespace {

int RenderScreenshots(const QString& folder) {
    QDir().mkpath(folder);
    for (const auto& page : GalleryPages()) {
        QWidget* widget = page.make();
        widget->setAttribute(Qt::WA_DontShowOnScreen);
        widget->show();
        widget->adjustSize();
        QApplication::processEvents();
        const QString path = QDir(folder).filePath(page.name + ".png");
        if (!widget->grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
        delete widget;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QGuiApplication::setApplicationDisplayName("Controls gallery");
    // The controls' messages appear as the module shows them.
    struct TInstalled {
        TQtPrompter prompter;
        TInstalled() { SetPrompter(&prompter); }
        ~TInstalled() { SetPrompter(nullptr); }
    } installed;
    std::sort(GalleryPages().begin(), GalleryPages().end(),
              [](const auto& a, const auto& b) { return a.name < b.name; });
    const QStringList args = app.arguments();
    const int shots = args.indexOf("--screenshots");
    if (shots >= 0 && shots + 1 < args.size()) return RenderScreenshots(args[shots + 1]);

    QTabWidget tabs;
    tabs.setWindowTitle(QGuiApplication::applicationDisplayName());
    for (const auto& page : GalleryPages()) {
        auto* scroll = new QScrollArea;
        scroll->setWidget(page.make());
        tabs.addTab(scroll, page.name);
    }
    tabs.resize(900, 700);
    tabs.show();
    return app.exec();
}
