#include "gridcolumn.h"

#include "stringgrid.h"

#include <QApplication>
#include <QPalette>

namespace penvaro::widgets {

using Property = GridColumn::Property;

Qt::Alignment GridColumnTitle::alignment() const {
    return m_column.isAssigned(Property::TitleAlignment) ? m_alignment : Qt::AlignLeft;
}

void GridColumnTitle::setAlignment(Qt::Alignment alignment) {
    m_alignment = alignment;
    m_column.markAssigned(Property::TitleAlignment);
}

bool GridColumnTitle::hasCaption() const {
    return m_column.isAssigned(Property::TitleCaption);
}

QString GridColumnTitle::caption() const {
    return hasCaption() ? m_caption : QString();
}

void GridColumnTitle::setCaption(const QString &caption) {
    m_caption = caption;
    m_column.markAssigned(Property::TitleCaption);
}

QColor GridColumnTitle::color() const {
    if (m_column.isAssigned(Property::TitleColor))
        return m_color;
    return m_column.m_grid ? m_column.m_grid->fixedColor()
                           : QApplication::palette().color(QPalette::Button);
}

void GridColumnTitle::setColor(const QColor &color) {
    m_color = color;
    m_column.markAssigned(Property::TitleColor);
}

GridFont GridColumnTitle::font() const {
    return m_column.isAssigned(Property::TitleFont) ? m_font : m_column.font();
}

void GridColumnTitle::setFont(const GridFont &font) {
    m_font = font;
    m_column.markAssigned(Property::TitleFont);
}

GridColumn::GridColumn(const StringGrid *grid)
    : m_grid(grid)
    , m_title(*this) {}

bool GridColumn::isAssigned(Property property) const {
    return (m_assigned & static_cast<unsigned>(property)) != 0;
}

void GridColumn::markAssigned(Property property) {
    m_assigned |= static_cast<unsigned>(property);
}

void GridColumn::restoreDefaults() {
    m_assigned = 0;
    m_pickList.clear();
    m_hasPickList = false;
    m_buttonStyle = GridButtonStyle::None;
}

void GridColumn::assign(const GridColumn &other) {
    m_assigned = other.m_assigned;
    m_alignment = other.m_alignment;
    m_color = other.m_color;
    m_font = other.m_font;
    m_imeMode = other.m_imeMode;
    m_imeName = other.m_imeName;
    m_readOnly = other.m_readOnly;
    m_width = other.m_width;
    m_title.m_alignment = other.m_title.m_alignment;
    m_title.m_caption = other.m_title.m_caption;
    m_title.m_color = other.m_title.m_color;
    m_title.m_font = other.m_title.m_font;
    m_dropDownRows = other.m_dropDownRows;
    m_buttonStyle = other.m_buttonStyle;
    m_pickList = other.m_pickList;
    m_hasPickList = other.m_hasPickList;
}

GridFont GridColumn::gridFont() const {
    if (!m_grid)
        return {QApplication::font(), QApplication::palette().color(QPalette::Text)};
    return {m_grid->font(), m_grid->fontColor()};
}

Qt::Alignment GridColumn::alignment() const {
    return isAssigned(Property::Alignment) ? m_alignment : Qt::AlignLeft;
}

void GridColumn::setAlignment(Qt::Alignment alignment) {
    m_alignment = alignment;
    markAssigned(Property::Alignment);
}

GridButtonStyle GridColumn::buttonStyle() const {
    return isAssigned(Property::ButtonStyle) ? m_buttonStyle : GridButtonStyle::None;
}

void GridColumn::setButtonStyle(GridButtonStyle style) {
    m_buttonStyle = style;
    markAssigned(Property::ButtonStyle);
}

QColor GridColumn::color() const {
    if (isAssigned(Property::Color))
        return m_color;
    return m_grid ? m_grid->color() : QApplication::palette().color(QPalette::Base);
}

void GridColumn::setColor(const QColor &color) {
    m_color = color;
    markAssigned(Property::Color);
}

unsigned GridColumn::dropDownRows() const {
    return isAssigned(Property::DropDownRows) ? m_dropDownRows : 7;
}

void GridColumn::setDropDownRows(unsigned rows) {
    m_dropDownRows = rows;
    markAssigned(Property::DropDownRows);
}

GridFont GridColumn::font() const {
    return isAssigned(Property::Font) ? m_font : gridFont();
}

void GridColumn::setFont(const GridFont &font) {
    m_font = font;
    markAssigned(Property::Font);
}

Qt::InputMethodHints GridColumn::imeMode() const {
    if (isAssigned(Property::ImeMode))
        return m_imeMode;
    return m_grid ? m_grid->inputMethodHints() : Qt::ImhNone;
}

void GridColumn::setImeMode(Qt::InputMethodHints mode) {
    m_imeMode = mode;
    markAssigned(Property::ImeMode);
}

QString GridColumn::imeName() const {
    if (isAssigned(Property::ImeName))
        return m_imeName;
    return m_grid ? m_grid->imeName() : QString();
}

void GridColumn::setImeName(const QString &name) {
    m_imeName = name;
    markAssigned(Property::ImeName);
}

QStringList GridColumn::pickList() const {
    return m_pickList;
}

void GridColumn::setPickList(const QStringList &items) {
    m_pickList = items;
    m_hasPickList = !items.isEmpty();
}

bool GridColumn::readOnly() const {
    return isAssigned(Property::ReadOnly) && m_readOnly;
}

void GridColumn::setReadOnly(bool readOnly) {
    m_readOnly = readOnly;
    markAssigned(Property::ReadOnly);
}

int GridColumn::width() const {
    if (isAssigned(Property::Width))
        return m_width;
    return m_grid ? m_grid->defaultColumnWidth() : 64;
}

void GridColumn::setWidth(int width) {
    m_width = width;
    markAssigned(Property::Width);
}

} // namespace penvaro::widgets
