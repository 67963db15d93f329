#pragma once

#include "platform/event.h"
#include "platform/picture.h"

#include <QImage>
#include <QObject>

#include <stdexcept>

// An index outside a list. The message is "List index out of bounds (<index>)".
class EListError : public std::runtime_error {
public:
    explicit EListError(int index);
    int index() const { return m_index; }

private:
    int m_index;
};

// The picture strip: one picture divided into a grid of Cols x Rows equal
// cells, numbered row by row from 0 (cell k lies in column k mod Cols and row
// k div Cols), any of which it hands out as a bitmap. The credits page keeps
// its 24 thumbnails in one strip.
//
// Every cell request copies the cell into the one work bitmap the strip owns
// and returns that bitmap by reference; the next request overwrites it, so a
// caller that keeps a cell copies it at once.
//
// Colours are 0x00BBGGRR values (see TPicture).
class TPicClip : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Cols READ Cols WRITE setCols)
    Q_PROPERTY(int Height READ Height WRITE setHeight)
    Q_PROPERTY(bool Masked READ Masked WRITE setMasked)
    Q_PROPERTY(int Rows READ Rows WRITE setRows)
    Q_PROPERTY(uint MaskColor READ MaskColor WRITE setMaskColor)
    Q_PROPERTY(int Width READ Width WRITE setWidth)
public:
    static constexpr quint32 Olive = 0x008080;
    static constexpr quint32 Silver = 0xC0C0C0;

    explicit TPicClip(const QString &name = QString(), QObject *parent = nullptr);

    // Raised when the picture or MaskColor changes.
    Event<> OnChange;

    // Cells across and down (default 1 each). Any value is kept; when cutting
    // out a cell, and for Width and Height, values below 1 count as 1.
    int Cols() const { return m_cols; }
    void setCols(int cols) { m_cols = cols; }
    int Rows() const { return m_rows; }
    void setRows(int rows) { m_rows = rows; }

    // Cell size: picture width / Cols and picture height / Rows, truncated.
    // Setting Width to v makes Cols = picture width / v, but only when v > 0
    // and that quotient is above 0; otherwise nothing changes. Height sets
    // Rows the same way.
    int Width() const;
    void setWidth(int width);
    int Height() const;
    void setHeight(int height);

    // Whether handed-out cells are marked transparent (default true).
    bool Masked() const { return m_masked; }
    void setMasked(bool masked) { m_masked = masked; }

    // The colour that counts as transparent in a cell; NoColor for none. A
    // new picture resets it to DefaultMaskColor(). Setting a different value
    // raises OnChange.
    quint32 MaskColor() const { return m_maskColor; }
    void setMaskColor(quint32 color);
    // For a bitmap its own transparent colour without the flag bit, for any
    // other graphic (or none) olive.
    quint32 DefaultMaskColor() const;

    // The whole strip. Assigning replaces it, resets MaskColor to the new
    // picture's default and raises OnChange, except while Loading().
    const TPicture &Picture() const { return m_picture; }
    void setPicture(const TPicture &picture);

    // Set while the strip is filled in from its form's stored values:
    // assigning the picture then keeps MaskColor and raises nothing.
    bool Loading() const { return m_loading; }
    void setLoading(bool loading) { m_loading = loading; }

    // Copies Rows, Cols, Masked, MaskColor and the picture, and raises
    // OnChange once.
    void Assign(const TPicClip &source);

    // Cols x Rows, or 0 when the picture is empty.
    int CellCount() const;

    // The cell's index: col + row x Cols, or -1 when that is not below
    // CellCount() (which includes every position of an empty picture).
    int GetIndex(int col, int row) const;

    // The work bitmap filled with cell `index`. Throws EListError(index)
    // unless 0 <= index < CellCount().
    const QImage &GraphicCell(int index);
    // The same for GetIndex(col, row); an invalid position throws
    // EListError(-1).
    const QImage &GraphicColRow(int col, int row) { return GraphicCell(GetIndex(col, row)); }

    // How the last handed-out cell is to be drawn: its transparent colour
    // (MaskColor with TPicture::TransparentFlag set) and whether it is
    // transparent at all (Masked, and MaskColor is not NoColor).
    quint32 CellTransparentColor() const { return m_cellTransparentColor; }
    bool CellTransparent() const { return m_cellTransparent; }

private:
    TPicture m_picture;
    int m_cols = 1;
    int m_rows = 1;
    bool m_masked = true;
    quint32 m_maskColor = Olive;
    bool m_loading = false;

    QImage m_cell;
    quint32 m_cellTransparentColor = TPicture::NoColor;
    bool m_cellTransparent = false;
};
