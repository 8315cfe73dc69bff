#include "skin/SkinAccessible.h"

#include "skin/ImageSlider.h"
#include "skin/MyGauges.h"
#include "skin/TMyFlatSpeedButtonUnit.h"

#include <QAccessibleWidget>
#include <QPainter>

namespace {

// The controls draw their caption into the skin; their hint names them.
class TSkinAccessible : public QAccessibleWidget {
public:
    TSkinAccessible(QWidget* control, QAccessible::Role role) : QAccessibleWidget(control, role) {}

    QString text(QAccessible::Text t) const override {
        const QString text = QAccessibleWidget::text(t);
        return t == QAccessible::Name && text.isEmpty() ? widget()->toolTip() : text;
    }
};

class TGlyphButtonAccessible : public TSkinAccessible {
public:
    explicit TGlyphButtonAccessible(TMyFlatSpeedButton* button)
        : TSkinAccessible(button, QAccessible::Button) {}

    // A button of a group latches: a check button.
    QAccessible::Role role() const override {
        return Button()->GroupIndex() != 0 ? QAccessible::CheckBox : QAccessible::Button;
    }

    QAccessible::State state() const override {
        QAccessible::State state = TSkinAccessible::state();
        state.pressed = Button()->State() == GlyphButtonState::down;
        if (Button()->GroupIndex() != 0) {
            state.checkable = true;
            state.checked = Button()->Down();
        }
        return state;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + TSkinAccessible::actionNames();
    }

    void doAction(const QString& name) override {
        if (name == pressAction())
            Button()->AnimateClick();
        else
            TSkinAccessible::doAction(name);
    }

private:
    TMyFlatSpeedButton* Button() const { return static_cast<TMyFlatSpeedButton*>(widget()); }
};

// A control with a value: the slider, which can be set, and the gauge.
class TValueAccessible : public TSkinAccessible, public QAccessibleValueInterface {
public:
    using TSkinAccessible::TSkinAccessible;

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return TSkinAccessible::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? currentValue().toString() : TSkinAccessible::text(t);
    }

    QVariant minimumStepSize() const override { return 0.0; }
};

class TImageSliderAccessible : public TValueAccessible {
public:
    explicit TImageSliderAccessible(TImageSlider* slider)
        : TValueAccessible(slider, QAccessible::Slider) {}

    QVariant currentValue() const override { return double(Slider()->SliderPosValue()); }
    void setCurrentValue(const QVariant& value) override {
        Slider()->SetSliderPosValue(value.toDouble());
    }
    QVariant minimumValue() const override { return double(Slider()->SliderMinValue()); }
    QVariant maximumValue() const override { return double(Slider()->SliderMaxValue()); }

private:
    TImageSlider* Slider() const { return static_cast<TImageSlider*>(widget()); }
};

class TGaugeAccessible : public TValueAccessible {
public:
    explicit TGaugeAccessible(TMyGauge* gauge)
        : TValueAccessible(gauge, QAccessible::ProgressBar) {}

    QVariant currentValue() const override { return Gauge()->Progress(); }
    void setCurrentValue(const QVariant&) override {} // shows, never sets
    QVariant minimumValue() const override { return Gauge()->MinValue(); }
    QVariant maximumValue() const override { return Gauge()->MaxValue(); }

private:
    TMyGauge* Gauge() const { return static_cast<TMyGauge*>(widget()); }
};

QAccessibleInterface* SkinAccessibleFactory(const QString&, QObject* object) {
    if (auto* button = qobject_cast<TMyFlatSpeedButton*>(object))
        return new TGlyphButtonAccessible(button);
    if (auto* slider = qobject_cast<TImageSlider*>(object))
        return new TImageSliderAccessible(slider);
    if (auto* gauge = qobject_cast<TMyGauge*>(object))
        return new TGaugeAccessible(gauge);
    return nullptr;
}

} // namespace

void InstallSkinAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(SkinAccessibleFactory);
        return true;
    }();
    (void)installed;
}

void AnnounceStateChange(QObject* control) {
    QAccessible::State changed;
    changed.pressed = true;
    changed.checked = true;
    QAccessibleStateChangeEvent event(control, changed);
    QAccessible::updateAccessibility(&event);
}

void AnnounceValueChange(QObject* control, double value) {
    QAccessibleValueChangeEvent event(control, value);
    QAccessible::updateAccessibility(&event);
}

void DrawFocusMark(QPainter& painter, const QWidget* control) {
    painter.setPen(QPen(control->palette().color(QPalette::Highlight), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(control->rect().adjusted(0, 0, -1, -1));
}
