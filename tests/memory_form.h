#pragma once

#include <string>
#include <vector>

#include "calc/form1_procedures.h"
#include "diagram/recording_surface.h"
#include "platform/memory_controls.h"

// Warnings kept in memory, as the command line keeps them.
struct MemoryWarningBox : calc::WarningBox {
  void Warn(const calc::Warning& warning) override {
    shown.push_back(warning.text);
    kinds.push_back(warning.kind);
  }
  std::vector<std::string> shown;
  std::vector<calc::WarningKind> kinds;
};

// The main window's procedures on memory controls, as just started: start
// texts in the fields, the constants filled, the diagram on `picture`.
// Tests and benchmarks both run the procedures this way.
struct HeadlessForm {
  explicit HeadlessForm(platform::Surface& picture) : picture(picture) { form.Form_Load(); }

  void SetInputs(const std::string& m1, const std::string& p1, const std::string& tetaA,
                 const std::string& tetaB) {
    Text_M1.SetText(m1);
    Text_p1.SetText(p1);
    Text_TetaA.SetText(tetaA);
    Text_TetaB.SetText(tetaB);
  }

  // Degrees to radians the way the Calculate procedure converts them.
  double Rad(double degrees) const { return degrees * form.State().DegToRad; }

  platform::MemoryTextBox Text_M1{"3"}, Text_p1{"1"}, Text_TetaA{"10"}, Text_TetaB{"5"};
  platform::MemoryTextBox Text_BetaA{"0"}, Text_M2{"0"}, Text_p2{"0"}, Text_BetaB{"0"},
      Text_M3{"0"}, Text_p3{"0"}, Text_Fi, Text_TetaC, Text_BetaC{"0"}, Text_M4{"0"},
      Text_p4{"0"}, Text_TetaD, Text_BetaD{"0"}, Text_M5{"0"}, Text_p5{"0"};
  platform::MemoryListBox List1;
  platform::MemoryMessageBox messages;
  MemoryWarningBox warnings;
  platform::Surface& picture;
  calc::Form1Controls controls{
      {Text_M1, Text_p1, Text_TetaA, Text_TetaB},
      {Text_BetaA, Text_M2, Text_p2, Text_BetaB, Text_M3, Text_p3, Text_Fi, Text_TetaC,
       Text_BetaC, Text_M4, Text_p4, Text_TetaD, Text_BetaD, Text_M5, Text_p5},
      List1,
      picture,
      messages,
      warnings,
      '.'};
  calc::Form1Procedures form{controls};
};

// The recording comes first, so it exists before the form draws on it.
struct RecordedPicture {
  diagram::RecordingSurface Picture1;
};

// A headless form whose drawing is recorded, for tests that inspect it.
struct MemoryForm : RecordedPicture, HeadlessForm {
  MemoryForm() : HeadlessForm(Picture1) {}
};
