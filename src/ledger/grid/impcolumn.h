#pragma once

#include <QColor>
#include <QFont>
#include <QStringList>

namespace penvaro::ledger {

class TImpStringgrid;
class TImpColumn;

enum class TImpColumnButtonStyle { cbsPicklist, cbsEllipsis, cbsNone };

// A font together with its text colour, as the grid paints them.
struct ImpFont {
    QFont font;
    QColor color;

    friend bool operator==(const ImpFont &, const ImpFont &) = default;
};

// The header cell of one grid column. Its assigned flags live in the column.
class TImpColumnTitle {
public:
    explicit TImpColumnTitle(TImpColumn &column)
        : m_column(column) {}

    Qt::Alignment Alignment() const;
    void setAlignment(Qt::Alignment alignment);
    // Without an assigned caption the header cell shows its own text.
    bool hasCaption() const;
    QString Caption() const;
    void setCaption(const QString &caption);
    QColor Color() const;
    void setColor(const QColor &color);
    ImpFont Font() const;
    void setFont(const ImpFont &font);

private:
    friend class TImpColumn;

    TImpColumn &m_column;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    QString m_caption;
    QColor m_color;
    ImpFont m_font;
};

// The look of one grid column. Each property either keeps its own assigned value or follows
// the grid, read afresh each time, so a change of the grid's font reaches every column whose
// font was never set.
class TImpColumn {
public:
    enum class Property : unsigned {
        Alignment = 1u << 0,
        ButtonStyle = 1u << 1,
        Color = 1u << 2,
        DropDownRows = 1u << 3,
        Font = 1u << 4,
        ImeMode = 1u << 5,
        ImeName = 1u << 6,
        ReadOnly = 1u << 7,
        Width = 1u << 8,
        TitleAlignment = 1u << 9,
        TitleCaption = 1u << 10,
        TitleColor = 1u << 11,
        TitleFont = 1u << 12,
    };

    explicit TImpColumn(const TImpStringgrid *grid);
    TImpColumn(const TImpColumn &) = delete;
    TImpColumn &operator=(const TImpColumn &) = delete;

    bool isAssigned(Property property) const;
    // Clears every assigned flag, frees the pick list and sets the button style to cbsNone.
    void RestoreDefaults();
    // Copies the assigned values, the title, DropDownRows, ButtonStyle and the pick list.
    void Assign(const TImpColumn &other);

    Qt::Alignment Alignment() const;
    void setAlignment(Qt::Alignment alignment);
    TImpColumnButtonStyle ButtonStyle() const;
    void setButtonStyle(TImpColumnButtonStyle style);
    QColor Color() const;
    void setColor(const QColor &color);
    unsigned DropDownRows() const;
    void setDropDownRows(unsigned rows);
    ImpFont Font() const;
    void setFont(const ImpFont &font);
    Qt::InputMethodHints ImeMode() const;
    void setImeMode(Qt::InputMethodHints mode);
    QString ImeName() const;
    void setImeName(const QString &name);
    QStringList PickList() const;
    bool hasPickList() const { return m_hasPickList; }
    // An empty list frees the pick list.
    void setPickList(const QStringList &items);
    bool ReadOnly() const;
    void setReadOnly(bool readOnly);
    int Width() const;
    void setWidth(int width);

    TImpColumnTitle &Title() { return m_title; }
    const TImpColumnTitle &Title() const { return m_title; }

private:
    friend class TImpColumnTitle;

    void markAssigned(Property property);
    ImpFont gridFont() const;

    const TImpStringgrid *m_grid;
    unsigned m_assigned = 0;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    TImpColumnButtonStyle m_buttonStyle = TImpColumnButtonStyle::cbsNone;
    QColor m_color;
    unsigned m_dropDownRows = 7;
    ImpFont m_font;
    Qt::InputMethodHints m_imeMode = Qt::ImhNone;
    QString m_imeName;
    bool m_hasPickList = false;
    QStringList m_pickList;
    bool m_readOnly = false;
    int m_width = 64;
    TImpColumnTitle m_title;
};

} // namespace penvaro::ledger
