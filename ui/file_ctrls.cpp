#include "ui/file_ctrls.h"

#include "ui/dialog_service.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace velmora {

namespace {

constexpr int kClientWidth = 173;
constexpr int kClientHeight = 257;

bool HasWildcard(const QString& s) { return s.contains('*') || s.contains('?'); }

// A mask ("*.vlm") or a folder ("saves/", or the name of one there is) in the name
// field: a way to change the list, never the name of a saved game.
bool NamesNoFile(const QString& text) {
    const QString cleaned = QDir::fromNativeSeparators(text.trimmed());
    if (cleaned.isEmpty()) return false;
    return HasWildcard(cleaned) || cleaned.endsWith('/') || QFileInfo(cleaned).isDir();
}

}  // namespace

TFileCtrls::TFileCtrls(DialogService& dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      dialogs_(dialogs) {
    setObjectName("TFileCtrls");
    setWindowTitle("Enter File Name:");
    setWindowModality(Qt::ApplicationModal);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);

    FileEdit = new QLineEdit("*.VLM", this);
    FileEdit->setObjectName("FileEdit");
    FileListBox1 = new QListWidget(this);
    FileListBox1->setObjectName("FileListBox1");
    Button1 = new QPushButton("OK", this);
    Button1->setObjectName("Button1");
    Button1->setDefault(true);
    Button2 = new QPushButton("Cancel", this);
    Button2->setObjectName("Button2");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(FileEdit);
    layout->addWidget(FileListBox1, 1);
    layout->addLayout(buttons);

    FileEdit->installEventFilter(this);
    connect(Button1, &QPushButton::clicked, this, &TFileCtrls::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TFileCtrls::Button2Click);
    connect(FileListBox1, &QListWidget::currentRowChanged, this,
            &TFileCtrls::FileListBox1Change);
    connect(FileListBox1, &QListWidget::itemDoubleClicked, this,
            &TFileCtrls::FileListBox1Change);

    const QSize hint = sizeHint();
    setFixedSize(std::max(kClientWidth, hint.width()), std::max(kClientHeight, hint.height()));
}

std::optional<std::string> TFileCtrls::PickFileName(std::string_view proposal) {
    RefreshList();
    FileEdit->setText(QString::fromUtf8(proposal.data(), qsizetype(proposal.size())));
    done_ = false;
    accepted_ = true;
    picking_ = true;

    // Centred on the screen, as the picker has always been.
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
    activateWindow();
    FileEdit->setFocus();

    QEventLoop wait;
    connect(this, &TFileCtrls::finished, &wait, &QEventLoop::quit);
    while (!done_) wait.exec();

    picking_ = false;
    hide();
    if (!accepted_) return std::nullopt;
    return FileEdit->text().toStdString();
}

void TFileCtrls::Button1Click() {
    // OK on a mask or a folder applies it to the list, as Enter does, and the picker
    // stays open for a name.
    if (NamesNoFile(FileEdit->text())) {
        ApplyToList(FileEdit->text());
        return;
    }
    done_ = true;
    emit finished(QDialog::Accepted);
}

void TFileCtrls::Button2Click() {
    accepted_ = false;
    done_ = true;
    emit finished(QDialog::Rejected);
}

void TFileCtrls::accept() {
    // QDialog's own accept would hide the picker while PickFileName goes on waiting.
    if (picking_) Button1Click();
}

void TFileCtrls::reject() {
    if (picking_) Button2Click();
}

void TFileCtrls::RefreshList() {
    const QSignalBlocker quiet(FileListBox1);
    FileListBox1->clear();
    const QIcon glyph = style()->standardIcon(QStyle::SP_FileIcon);
    const QStringList names =
        folder_.entryList({mask_}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) FileListBox1->addItem(new QListWidgetItem(glyph, name));
    FileListBox1->setCurrentRow(-1);
}

QString TFileCtrls::NameForField(const QString& fileName) const {
    return QDir::current().relativeFilePath(folder_.absoluteFilePath(fileName));
}

void TFileCtrls::ApplyToList(const QString& text) {
    // Names are read from the program's folder, where the files are opened; a name
    // without a folder part therefore means that folder.
    const QDir home = QDir::current();
    const QString cleaned = QDir::fromNativeSeparators(text.trimmed());
    if (cleaned.isEmpty()) return;
    const int slash = cleaned.lastIndexOf('/');
    QString folderPart = slash >= 0 ? cleaned.left(slash + 1) : QString();
    QString filePart = slash >= 0 ? cleaned.mid(slash + 1) : cleaned;

    // A bare name of a folder changes the folder, like a name with a slash after it.
    if (folderPart.isEmpty() && !HasWildcard(filePart) &&
        QFileInfo(home.filePath(filePart)).isDir()) {
        folderPart = filePart;
        filePart.clear();
    }

    const QDir next(QDir::cleanPath(home.absoluteFilePath(folderPart.isEmpty() ? "." : folderPart)));
    if (!next.exists()) {
        dialogs_.Message("Invalid file name - " + text);
        return;
    }
    const bool newFolder = next.absolutePath() != folder_.absolutePath();
    folder_ = next;
    if (HasWildcard(filePart)) mask_ = filePart;
    if (newFolder || HasWildcard(filePart)) RefreshList();
    if (filePart.isEmpty() || HasWildcard(filePart)) return;

    const auto found = FileListBox1->findItems(filePart, Qt::MatchFixedString);
    if (found.isEmpty()) {
        dialogs_.Message("Invalid file name - " + text);
        return;
    }
    const QSignalBlocker quiet(FileListBox1);
    FileListBox1->setCurrentItem(found.first());
}

void TFileCtrls::FileListBox1Change() {
    const QListWidgetItem* item = FileListBox1->currentItem();
    if (!item) return;
    FileEdit->setText(NameForField(item->text()));
    ApplyToList(FileEdit->text());
}

bool TFileCtrls::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FileEdit) {
        if (event->type() == QEvent::MouseButtonPress) {
            // A click in the name field empties it, ready for a new name.
            FileEdit->clear();
        } else if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                // Enter does what OK does: a name is taken (a new game's name is in no
                // list yet, so applying it to the list would only refuse it), and a mask
                // or a folder is applied to the list.
                Button1Click();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace velmora
