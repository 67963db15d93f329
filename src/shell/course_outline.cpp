#include "shell/course_outline.h"

#include <QFile>
#include <QtEndian>

namespace {

constexpr int kFixedRecordBytes = 25;  // six integers and the text length
constexpr int kMaxDepth = 32;

void appendInt(QByteArray &out, qint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

void writeNode(QByteArray &out, const OutlineNode &n)
{
    const QByteArray text = n.code.left(255);
    appendInt(out, kFixedRecordBytes + text.size());
    appendInt(out, 0);                            // image index
    appendInt(out, 0);                            // selected index
    appendInt(out, n.isChapter() ? 1 : n.pageIndex);  // state index
    appendInt(out, -1);                           // overlay index
    appendInt(out, 0);                            // data
    appendInt(out, n.children.size());
    out.append(char(text.size()));
    out.append(text);
    for (const OutlineNode &c : n.children)
        writeNode(out, c);
}

class StreamReader {
public:
    explicit StreamReader(QByteArrayView data) : m_data(data) {}

    bool readInt(qint32 &v)
    {
        if (m_data.size() - m_pos < 4)
            return fail(QStringLiteral("the stream ends inside a number"));
        v = qFromLittleEndian<qint32>(m_data.data() + m_pos);
        m_pos += 4;
        return true;
    }

    bool readNodes(qint32 count, int depth, QList<OutlineNode> &out)
    {
        if (depth > kMaxDepth)
            return fail(QStringLiteral("the outline nests deeper than %1 levels").arg(kMaxDepth));
        // Each record takes at least 29 bytes: a count larger than what is
        // left cannot be right.
        if (count < 0 || count > (m_data.size() - m_pos) / (kFixedRecordBytes + 4))
            return fail(QStringLiteral("a node count of %1 does not fit the stream").arg(count));
        for (qint32 i = 0; i < count; ++i) {
            qint32 length = 0, image = 0, selected = 0, state = 0, overlay = 0, data = 0,
                   children = 0;
            if (!readInt(length) || !readInt(image) || !readInt(selected) || !readInt(state)
                || !readInt(overlay) || !readInt(data) || !readInt(children))
                return false;
            if (m_pos >= m_data.size())
                return fail(QStringLiteral("the stream ends before a node's text"));
            const int textLength = static_cast<unsigned char>(m_data[m_pos++]);
            if (length != kFixedRecordBytes + textLength)
                return fail(QStringLiteral("a record length of %1 does not match its text").arg(length));
            if (m_data.size() - m_pos < textLength)
                return fail(QStringLiteral("the stream ends inside a node's text"));
            OutlineNode node;
            node.code = m_data.sliced(m_pos, textLength).toByteArray();
            node.pageIndex = state;
            m_pos += textLength;
            if (!readNodes(children, depth + 1, node.children))
                return false;
            out.append(std::move(node));
        }
        return true;
    }

    bool atEnd() const { return m_pos == m_data.size(); }
    bool fail(const QString &why)
    {
        if (m_error.isEmpty())
            m_error = QStringLiteral("Damaged course outline at byte %1: %2").arg(m_pos).arg(why);
        return false;
    }
    QString error() const { return m_error; }

private:
    QByteArrayView m_data;
    qsizetype m_pos = 0;
    QString m_error;
};

}  // namespace

QByteArray writeOutlineStream(const QList<OutlineNode> &nodes)
{
    QByteArray out;
    appendInt(out, nodes.size());
    for (const OutlineNode &n : nodes)
        writeNode(out, n);
    return out;
}

std::optional<QList<OutlineNode>> readOutlineStream(QByteArrayView data, QString *error)
{
    StreamReader r(data);
    QList<OutlineNode> nodes;
    qint32 count = 0;
    bool ok = r.readInt(count) && r.readNodes(count, 0, nodes);
    if (ok && !r.atEnd())
        ok = r.fail(QStringLiteral("bytes left after the last node"));
    if (!ok) {
        if (error)
            *error = r.error();
        return std::nullopt;
    }
    return nodes;
}

QList<OutlineNode> courseOutline()
{
    QFile f(QStringLiteral(":/course_outline.bin"));
    QString error;
    std::optional<QList<OutlineNode>> nodes;
    if (f.open(QIODevice::ReadOnly))
        nodes = readOutlineStream(f.readAll(), &error);
    else
        error = QStringLiteral("The course outline is missing from the program.");
    if (!nodes)
        throw std::runtime_error(error.toStdString());
    return *nodes;
}

ContentsTree buildContentsTree(const QList<OutlineNode> &outline,
                               const std::function<bool(const QByteArray &)> &enabled,
                               const std::function<QString(const QByteArray &)> &name,
                               int maxIndex, int currentPage)
{
    ContentsTree tree;
    int lastChapter = -1;
    // Depth first, a chapter before its lessons, without recursion.
    QList<const OutlineNode *> pending;
    for (auto it = outline.crbegin(); it != outline.crend(); ++it)
        pending.append(&*it);
    while (!pending.isEmpty()) {
        const OutlineNode *node = pending.takeLast();
        for (auto it = node->children.crbegin(); it != node->children.crend(); ++it)
            pending.append(&*it);
        if (!enabled(node->code))
            continue;
        ContentsEntry e;
        e.text = name(node->code);
        if (node->isChapter()) {
            e.icon = 0;
            e.pageIndex = 0;
            lastChapter = tree.entries.size();
        } else {
            e.pageIndex = node->pageIndex;
            e.icon = (0 < node->pageIndex && node->pageIndex < maxIndex) ? 3 : 2;
            e.parent = lastChapter;
            if (node->pageIndex == currentPage)
                tree.preselect = tree.entries.size();
        }
        tree.entries.append(e);
    }
    return tree;
}
