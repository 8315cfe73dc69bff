#pragma once
// The windows' lifetimes: the four windows in their order of creation,
// showing the three that are visible from the start, and their destruction.

class QDBusConnection;
class TMprisService;

void CreateForms();
void ShowForms();
void DestroyForms();
// The bar (shown again if it was hidden) and the video window come to the front.
void BringFormsForward();
// Media keys and desktop player widgets reach the bar through the bus; a
// raise asked there brings the windows forward.
TMprisService* StartMprisService(const QDBusConnection& bus);
