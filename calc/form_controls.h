#pragma once

#include "calc/warning_box.h"
#include "platform/controls.h"
#include "platform/surface.h"

namespace calc {

// The four input fields, read in this order.
struct InputFields {
  platform::TextBox& Text_M1;
  platform::TextBox& Text_p1;
  platform::TextBox& Text_TetaA;
  platform::TextBox& Text_TetaB;
};

// The fifteen result fields, in the order a calculation writes them.
struct ResultFields {
  platform::TextBox& Text_BetaA;
  platform::TextBox& Text_M2;
  platform::TextBox& Text_p2;
  platform::TextBox& Text_BetaB;
  platform::TextBox& Text_M3;
  platform::TextBox& Text_p3;
  platform::TextBox& Text_Fi;
  platform::TextBox& Text_TetaC;
  platform::TextBox& Text_BetaC;
  platform::TextBox& Text_M4;
  platform::TextBox& Text_p4;
  platform::TextBox& Text_TetaD;
  platform::TextBox& Text_BetaD;
  platform::TextBox& Text_M5;
  platform::TextBox& Text_p5;
};

// What the main window hands its procedures: its controls, behind small
// interfaces, so that the window, the command line and the tests run the
// same procedures.
struct Form1Controls {
  InputFields inputs;
  ResultFields results;
  platform::ListBox& List1;
  platform::Surface& Picture1;
  platform::MessageBox& messages;  // the solver's modal message
  WarningBox& warnings;            // gathers what the user should know beside the results
  char decimal_separator = '.';    // the user's, for numbers shown as text
};

}  // namespace calc
