#pragma once

#include <QColor>
#include <QFont>
#include <QStringList>

namespace penvaro::widgets {

class StringGrid;
class GridColumn;

enum class GridButtonStyle { PickList, Ellipsis, None };

// A font together with its text colour, as the grid paints them.
struct GridFont {
    QFont font;
    QColor color;

    friend bool operator==(const GridFont &, const GridFont &) = default;
};

// The header cell of one grid column. Its assigned flags live in the column.
class GridColumnTitle {
public:
    explicit GridColumnTitle(GridColumn &column)
        : m_column(column) {}

    Qt::Alignment alignment() const;
    void setAlignment(Qt::Alignment alignment);
    // Without an assigned caption the header cell shows its own text.
    bool hasCaption() const;
    QString caption() const;
    void setCaption(const QString &caption);
    QColor color() const;
    void setColor(const QColor &color);
    GridFont font() const;
    void setFont(const GridFont &font);

private:
    friend class GridColumn;

    GridColumn &m_column;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    QString m_caption;
    QColor m_color;
    GridFont m_font;
};

// The look of one grid column. Each property either keeps its own assigned value or follows
// the grid, read afresh each time, so a change of the grid's font reaches every column whose
// font was never set.
class GridColumn {
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

    explicit GridColumn(const StringGrid *grid);
    GridColumn(const GridColumn &) = delete;
    GridColumn &operator=(const GridColumn &) = delete;

    bool isAssigned(Property property) const;
    // Clears every assigned flag, frees the pick list and sets the button style to None.
    void restoreDefaults();
    // Copies the assigned values, the title, DropDownRows, ButtonStyle and the pick list.
    void assign(const GridColumn &other);

    Qt::Alignment alignment() const;
    void setAlignment(Qt::Alignment alignment);
    GridButtonStyle buttonStyle() const;
    void setButtonStyle(GridButtonStyle style);
    QColor color() const;
    void setColor(const QColor &color);
    unsigned dropDownRows() const;
    void setDropDownRows(unsigned rows);
    GridFont font() const;
    void setFont(const GridFont &font);
    Qt::InputMethodHints imeMode() const;
    void setImeMode(Qt::InputMethodHints mode);
    QString imeName() const;
    void setImeName(const QString &name);
    QStringList pickList() const;
    bool hasPickList() const { return m_hasPickList; }
    // An empty list frees the pick list.
    void setPickList(const QStringList &items);
    bool readOnly() const;
    void setReadOnly(bool readOnly);
    int width() const;
    void setWidth(int width);

    GridColumnTitle &title() { return m_title; }
    const GridColumnTitle &title() const { return m_title; }

private:
    friend class GridColumnTitle;

    void markAssigned(Property property);
    GridFont gridFont() const;

    const StringGrid *m_grid;
    unsigned m_assigned = 0;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    GridButtonStyle m_buttonStyle = GridButtonStyle::None;
    QColor m_color;
    unsigned m_dropDownRows = 7;
    GridFont m_font;
    Qt::InputMethodHints m_imeMode = Qt::ImhNone;
    QString m_imeName;
    bool m_hasPickList = false;
    QStringList m_pickList;
    bool m_readOnly = false;
    int m_width = 64;
    GridColumnTitle m_title;
};

} // namespace penvaro::widgets
