#include "impcolumn.h"

#include "impstringgrid.h"

#include <QApplication>
#include <QPalette>

namespace penvaro::ledger {

using Property = TImpColumn::Property;

Qt::Alignment TImpColumnTitle::Alignment() const {
    return m_column.isAssigned(Property::TitleAlignment) ? m_alignment : Qt::AlignLeft;
}

void TImpColumnTitle::setAlignment(Qt::Alignment alignment) {
    m_alignment = alignment;
    m_column.markAssigned(Property::TitleAlignment);
}

bool TImpColumnTitle::hasCaption() const {
    return m_column.isAssigned(Property::TitleCaption);
}

QString TImpColumnTitle::Caption() const {
    return hasCaption() ? m_caption : QString();
}

void TImpColumnTitle::setCaption(const QString &caption) {
    m_caption = caption;
    m_column.markAssigned(Property::TitleCaption);
}

QColor TImpColumnTitle::Color() const {
    if (m_column.isAssigned(Property::TitleColor))
        return m_color;
    return m_column.m_grid ? m_column.m_grid->FixedColor()
                           : QApplication::palette().color(QPalette::Button);
}

void TImpColumnTitle::setColor(const QColor &color) {
    m_color = color;
    m_column.markAssigned(Property::TitleColor);
}

ImpFont TImpColumnTitle::Font() const {
    return m_column.isAssigned(Property::TitleFont) ? m_font : m_column.Font();
}

void TImpColumnTitle::setFont(const ImpFont &font) {
    m_font = font;
    m_column.markAssigned(Property::TitleFont);
}

TImpColumn::TImpColumn(const TImpStringgrid *grid)
    : m_grid(grid)
    , m_title(*this) {}

bool TImpColumn::isAssigned(Property property) const {
    return (m_assigned & static_cast<unsigned>(property)) != 0;
}

void TImpColumn::markAssigned(Property property) {
    m_assigned |= static_cast<unsigned>(property);
}

void TImpColumn::RestoreDefaults() {
    m_assigned = 0;
    m_pickList.clear();
    m_hasPickList = false;
    m_buttonStyle = TImpColumnButtonStyle::cbsNone;
}

void TImpColumn::Assign(const TImpColumn &other) {
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

ImpFont TImpColumn::gridFont() const {
    if (!m_grid)
        return {QApplication::font(), QApplication::palette().color(QPalette::Text)};
    return {m_grid->font(), m_grid->FontColor()};
}

Qt::Alignment TImpColumn::Alignment() const {
    return isAssigned(Property::Alignment) ? m_alignment : Qt::AlignLeft;
}

void TImpColumn::setAlignment(Qt::Alignment alignment) {
    m_alignment = alignment;
    markAssigned(Property::Alignment);
}

TImpColumnButtonStyle TImpColumn::ButtonStyle() const {
    return isAssigned(Property::ButtonStyle) ? m_buttonStyle : TImpColumnButtonStyle::cbsNone;
}

void TImpColumn::setButtonStyle(TImpColumnButtonStyle style) {
    m_buttonStyle = style;
    markAssigned(Property::ButtonStyle);
}

QColor TImpColumn::Color() const {
    if (isAssigned(Property::Color))
        return m_color;
    return m_grid ? m_grid->Color() : QApplication::palette().color(QPalette::Base);
}

void TImpColumn::setColor(const QColor &color) {
    m_color = color;
    markAssigned(Property::Color);
}

unsigned TImpColumn::DropDownRows() const {
    return isAssigned(Property::DropDownRows) ? m_dropDownRows : 7;
}

void TImpColumn::setDropDownRows(unsigned rows) {
    m_dropDownRows = rows;
    markAssigned(Property::DropDownRows);
}

ImpFont TImpColumn::Font() const {
    return isAssigned(Property::Font) ? m_font : gridFont();
}

void TImpColumn::setFont(const ImpFont &font) {
    m_font = font;
    markAssigned(Property::Font);
}

Qt::InputMethodHints TImpColumn::ImeMode() const {
    if (isAssigned(Property::ImeMode))
        return m_imeMode;
    return m_grid ? m_grid->inputMethodHints() : Qt::ImhNone;
}

void TImpColumn::setImeMode(Qt::InputMethodHints mode) {
    m_imeMode = mode;
    markAssigned(Property::ImeMode);
}

QString TImpColumn::ImeName() const {
    if (isAssigned(Property::ImeName))
        return m_imeName;
    return m_grid ? m_grid->ImeName() : QString();
}

void TImpColumn::setImeName(const QString &name) {
    m_imeName = name;
    markAssigned(Property::ImeName);
}

QStringList TImpColumn::PickList() const {
    return m_pickList;
}

void TImpColumn::setPickList(const QStringList &items) {
    m_pickList = items;
    m_hasPickList = !items.isEmpty();
}

bool TImpColumn::ReadOnly() const {
    return isAssigned(Property::ReadOnly) && m_readOnly;
}

void TImpColumn::setReadOnly(bool readOnly) {
    m_readOnly = readOnly;
    markAssigned(Property::ReadOnly);
}

int TImpColumn::Width() const {
    if (isAssigned(Property::Width))
        return m_width;
    return m_grid ? m_grid->DefaultColWidth() : 64;
}

void TImpColumn::setWidth(int width) {
    m_width = width;
    markAssigned(Property::Width);
}

} // namespace penvaro::ledger
