#pragma once
// What assistive technology reads of the painted controls: a name (the hint),
// a role, the state or value, and the press action of the buttons; and the
// mark of the control the keyboard is on.

#include <QObject>

class QPainter;
class QWidget;

// Registers the controls' accessible interfaces with Qt; the controls call it
// when made, so any program that uses them gets them.
void InstallSkinAccessibility();

// Tells assistive technology that a control's pressed or checked state, or
// its value, changed; Qt passes it on only while one listens.
void AnnounceStateChange(QObject* control);
void AnnounceValueChange(QObject* control, double value);

// A thin dotted frame in the skin's highlight colour around the control.
void DrawFocusMark(QPainter& painter, const QWidget* control);
