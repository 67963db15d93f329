#pragma once

#include "lessons/file_table.h"
#include "platform/classic_window.h"
#include "platform/event.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class TImageList;
class TPanel;

// What a file list item keeps besides its caption: the detail texts (size,
// type name, date modified) and the icon's index into the image lists.
inline constexpr int FileDetailsRole = Qt::UserRole + 1;  // QStringList
inline constexpr int FileImageIndexRole = Qt::UserRole + 2;
inline constexpr int FileWordRole = Qt::UserRole + 3;  // QByteArray: the desktop word naming the file

// The simulated Open/Save dialog of the word processor lessons: one fixed
// folder, "My Documents", and no real file system behind it. The main window
// fills the file list (FillFileList) and prepares every showing
// (ShowFileDialog); the dialog itself only checks the name in the name box
// against the name the lesson expects (Tag) and makes Open available when it
// matches.
class TfrmOpnDlg : public TClassicDialog {
    Q_OBJECT
public:
    // The file icons come from the main window's desktop image lists.
    TfrmOpnDlg(TImageList *largeImages, TImageList *smallImages, QWidget *parent = nullptr);

    // The expected-name mode: which one name makes Open available.
    FileDialogMode Tag = FileDialogMode::None;

    // The type box's change: left free for the lesson showing the dialog. A
    // choice of type first runs the name check, then this.
    Event<> OncbTypeChange;

    // The name check: Open is available exactly while the name box holds the
    // expected name (and, when saving, the first type is chosen).
    void edNameChange();
    // A selected item's caption goes into the name box; a deselection (or no
    // item) changes nothing.
    void lvFilesSelectItem(QObject *sender, QListWidgetItem *item, bool selected);
    // Confirms: the dialog closes with OK.
    void btnOpenClick();

    TImageList *largeImages() const { return m_largeImages; }
    TImageList *smallImages() const { return m_smallImages; }

    QLabel *Image1 = nullptr;
    QListWidget *lvFiles = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *edName = nullptr;
    QLabel *Label2 = nullptr;
    QComboBox *cbType = nullptr;
    // Open's availability is this panel's enabled state; the button itself
    // is never disabled and never looks disabled.
    TPanel *pnOpen = nullptr;
    QPushButton *btnOpen = nullptr;
    QPushButton *Button2 = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void cbTypeClick();

    TImageList *m_largeImages;
    TImageList *m_smallImages;
};
