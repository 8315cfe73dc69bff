#include "player/Unit1.h"

TMainForm* MainForm = nullptr;
bool DiscPresent = false;
bool StopAtSegmentEnd = false;
QString WorkDir;
QString FavFileName;
bool SettingsValid = false;
std::vector<std::string> PlayListLines;

TMainForm::TMainForm(QWidget* parent) : QWidget(parent) {}

TMainForm::~TMainForm() = default;

void TMainForm::PlayEntry(int) {}
