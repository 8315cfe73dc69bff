#pragma once
// The four windows with a scripted playback control (or the real engine),
// over a catalog made by the test in a temporary program folder.

#include "support/ScriptedMediaPlayer.h"

#include <QTemporaryDir>

#include <map>
#include <optional>
#include <string>

#include <gtest/gtest.h>

// Every global of the windows as the program starts with it (catalog, play
// flags, settings, full-screen mode, random seed), and the shell's test seams
// back on the real system. Windows are left to their owners.
void ResetWindowGlobals();

// Installed by the test main around every test: the environment comes back
// as it was, windows a failed test left behind go, and the globals start
// afresh, so no test sees what another one left.
class TestIsolation : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo&) override;
    void OnTestEnd(const ::testing::TestInfo&) override;

private:
    std::map<std::string, std::string> Environment;
};

class FormsTest : public ::testing::Test {
protected:
    enum class TControl { Scripted, Engine };
    explicit FormsTest(TControl control = TControl::Scripted);

    void SetUp() override;
    void TearDown() override;

    // Adds a record; its video file is created beside the program unless
    // withFile is false.
    void AddEntry(uint8_t groupKey, const char* title, const char* media, double start, double end,
                  bool withFile = true);
    // Marks the catalog loaded, builds the tree and checks every node.
    void ShowCatalog();
    void SetChecked(int entry, bool checked);
    TScriptedMediaPlayer* Player() const { return Factory ? Factory->Last() : nullptr; }
    QString VideoPath(const char* media) const;
    // Plays the entry and lets the double report the file open.
    void PlayAndOpen(int entry);

    std::optional<ScriptedMediaPlayerFactory> Factory;
    QTemporaryDir ProgramDir;
    QTemporaryDir HomeDir;
};
