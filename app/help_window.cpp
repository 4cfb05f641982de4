#include "app/help_window.h"

#include <QUrl>

// The help pages are compiled into the program's static library, whose resource
// registration the linker would drop unless something refers to it.
static void InitHelpResources() { Q_INIT_RESOURCE(velmora); }

namespace velmora {

THelpWindow::THelpWindow(QWidget* parent) : QTextBrowser(parent) {
    InitHelpResources();
    setObjectName("THelpWindow");
    setWindowFlag(Qt::Window);
    setWindowTitle("Velmora 32 Help");
    setOpenExternalLinks(false);
    resize(720, 640);
    setSource(QUrl("qrc:/help/velmora_help.html"));
}

void THelpWindow::ShowIndex() {
    home();
    scrollToAnchor("index");
    if (!isVisible() && parentWidget()) {
        const QRect frame = parentWidget()->window()->geometry();
        move(frame.center() - rect().center());
    }
    show();
    raise();
    activateWindow();
}

}  // namespace velmora
