#pragma once
// The four windows with a scripted playback control, over a catalog made by
// the test in a temporary program folder.

#include "support/ScriptedMediaPlayer.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// The program's state before any disc: no catalog, entry or settings.
void ForgetDisc();

class FormsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Adds a record; its video file is created beside the program unless
    // withFile is false.
    void AddEntry(uint8_t groupKey, const char* title, const char* media, double start, double end,
                  bool withFile = true);
    // Marks the catalog loaded, builds the tree and checks every node.
    void ShowCatalog();
    void SetChecked(int entry, bool checked);
    TScriptedMediaPlayer* Player() const { return Factory.Last(); }
    QString VideoPath(const char* media) const;
    // Plays the entry and lets the double report the file open.
    void PlayAndOpen(int entry);

    ScriptedMediaPlayerFactory Factory;
    QTemporaryDir ProgramDir;
    QTemporaryDir HomeDir;
    QByteArray SavedHome;
};
