#pragma once

#include <QLineEdit>

namespace penvaro::widgets {

class GridColumn;
class StringGrid;
class PopupListBox;

// The grid's cell editor: plain, or with an ellipsis button, or with a drop-down pick list,
// as the column being edited says.
class GridInplaceEditor : public QLineEdit {
    Q_OBJECT

public:
    enum class EditStyle { Simple, Ellipsis, PickList };

    GridInplaceEditor(StringGrid *grid, QWidget *parent);

    // Takes the style and read-only state from the column and the text from the cell.
    void takeUpCell(const GridColumn &column, const QString &text);

    EditStyle editStyle() const { return m_editStyle; }
    void setEditStyle(EditStyle style);
    int buttonWidth() const;
    QRect buttonRect() const;
    bool listVisible() const { return m_listVisible; }
    // Created with the first pick-list style; lives as long as the editor.
    PopupListBox *pickListWindow() const { return m_pickList; }

    void dropDown();
    void closeUp(bool takeValue);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void ellipsisClicked();
    void paintButton(QPainter &painter) const;

    StringGrid *m_grid;
    EditStyle m_editStyle = EditStyle::Simple;
    PopupListBox *m_pickList = nullptr;
    PopupListBox *m_activeList = nullptr;
    bool m_listVisible = false;
    bool m_tracking = false;
    bool m_pressed = false;
};

} // namespace penvaro::widgets
