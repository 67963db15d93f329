#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

// The course outline behind the contents dialog: seven chapters, each with
// its lessons. A node's code (T050, T051, ...) names it and is the stem of
// its keys in the language file ("T051Name", "T051Enabled"); a lesson's page
// index is its page in the main window's notebook, or -1 when this edition
// has no page for it.
struct OutlineNode {
    QByteArray code;
    int pageIndex = -1;  // chapters store 1, which means nothing
    QList<OutlineNode> children;

    bool isChapter() const { return !children.isEmpty(); }
    bool operator==(const OutlineNode &) const = default;
};

// The stored form is a node stream of little-endian 32-bit integers: the
// number of top-level nodes, then each node depth first, a parent right
// before its children:
//   record length (= 25 + text length), image index 0, selected index 0,
//   state index (the page index), overlay index -1, data 0, child count,
//   text length (one byte), text (single-byte characters).
QByteArray writeOutlineStream(const QList<OutlineNode> &nodes);
// Every count, length and offset is checked: a damaged stream gives nullopt
// and the reason in *error, never a crash.
std::optional<QList<OutlineNode>> readOutlineStream(QByteArrayView data, QString *error = nullptr);

// The course outline that ships with the program, read from the compiled-in
// stream (written by tools/make_outline). Throws when it is damaged.
QList<OutlineNode> courseOutline();

// One entry of the contents dialog's tree, as the dialog builds it.
struct ContentsEntry {
    QString text;
    int icon = 0;       // 0 chapter, 2 lesson not done, 3 lesson completed
    int pageIndex = 0;  // 0 for chapters
    int parent = -1;    // index of the chapter entry it hangs under, or -1
};

struct ContentsTree {
    QList<ContentsEntry> entries;
    int preselect = -1;  // the entry of the page that is showing, if listed
};

// Walks the outline as the contents dialog does: entries whose Enabled key is
// false are left out (their children still come on their own turn); a lesson
// hangs under the last chapter listed before it, or at the top when there is
// none; it is completed (icon 3) when 0 < page index < maxIndex.
ContentsTree buildContentsTree(const QList<OutlineNode> &outline,
                               const std::function<bool(const QByteArray &code)> &enabled,
                               const std::function<QString(const QByteArray &code)> &name,
                               int maxIndex, int currentPage);
