#pragma once
#include "TColor.h"

#include <QWidget>

namespace qs {

// A painted rectangle or circle with a 1-pixel black pen and a solid brush.
class Shape : public QWidget {
    Q_OBJECT
public:
    enum Kind { Rectangle, Circle };

    explicit Shape(Kind kind = Rectangle, QWidget* parent = nullptr);

    void setBrushColor(TColor color);
    TColor brushColor() const { return brush_; }
    Kind kind() const { return kind_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    TColor brush_ = clWhite;
};

}  // namespace qs
