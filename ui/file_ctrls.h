#pragma once
// The saved-game file picker "Enter File Name:": a name field, the list of the
// folder's files matching the mask "*.VLM", OK and Cancel. One picker lives for the
// whole program; it is shown only while PickFileName runs, and its list keeps its
// folder and mask between uses.

#include <QDialog>
#include <QDir>
#include <QString>

#include <optional>
#include <string>
#include <string_view>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace velmora {

class DialogService;

class TFileCtrls : public QDialog {
    Q_OBJECT

public:
    TFileCtrls(DialogService& dialogs, QWidget* parent = nullptr);

    // Shows the picker with `proposal` in the name field and waits for OK or Cancel:
    // the field's text on OK (possibly empty), nothing on Cancel. OK on a mask or a
    // folder only applies it to the list. Enter in the name field does what OK does.
    std::optional<std::string> PickFileName(std::string_view proposal);
    bool IsPicking() const { return picking_; }

    // The controls, named as the window's designer named them.
    QLineEdit* FileEdit;
    QListWidget* FileListBox1;
    QPushButton* Button1;  // "OK", the default button
    QPushButton* Button2;  // "Cancel"

    // What the list shows.
    QDir ListedFolder() const { return folder_; }
    QString Mask() const { return mask_; }

    // Applies a text to the list as a path: a folder part changes the listed folder,
    // a file part with "*" or "?" becomes the mask, a plain name selects that file; a
    // name that is not in the list is refused with "Invalid file name - ...".
    void ApplyToList(const QString& text);
    void RefreshList();

    void Button1Click();
    void Button2Click();

    void accept() override;  // any other way of accepting the dialog acts as OK
    void reject() override;  // Escape and the window's close act as Cancel

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FileListBox1Change();
    // The name a selected item writes into the field: relative to the current folder
    // when the list shows another one.
    QString NameForField(const QString& fileName) const;

    DialogService& dialogs_;
    QDir folder_;
    QString mask_ = "*.VLM";
    bool done_ = true;
    bool accepted_ = false;
    bool picking_ = false;
};

}  // namespace velmora
