#include "app/help_window.h"

#include "ui/side_window.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

// The help pages are compiled into the program's static library, whose resource
// registration the linker would drop unless something refers to it.
static void InitHelpResources() { Q_INIT_RESOURCE(velmora); }

namespace velmora {

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    InitHelpResources();
    setObjectName("THelpWindow");
    setWindowTitle("Velmora 32 Help");
    resize(720, 640);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    Pages = new QTextBrowser(this);
    Pages->setObjectName("HelpPages");
    Pages->setOpenExternalLinks(false);
    Pages->setSource(QUrl("qrc:/help/velmora_help.html"));
    layout->addWidget(Pages);
    CloseButton = AddCloseRow(*this, *layout);
}

void THelpWindow::ShowIndex() {
    Pages->home();
    Pages->scrollToAnchor("index");
    const bool opening = !isVisible();
    show();
    // Placed once shown, when the frame around it is known.
    if (opening && parentWidget()) PlaceBesideMainWindow(*this, *parentWidget()->window());
    raise();
    activateWindow();
}

}  // namespace velmora
