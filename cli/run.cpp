#include "cli/run.h"

#include "calc/warnings.h"
#include "platform/memory_controls.h"
#include "platform/number_text.h"
#include "platform/rounding.h"

namespace cli {

namespace {

// A result field that notes each write, so the report lists exactly the
// fields a calculation reached, in the order it wrote them.
class ResultBox : public platform::TextBox {
 public:
  ResultBox(std::string name, RunReport& report) : name_(std::move(name)), report_(report) {}
  std::string Text() const override { return text_; }
  void SetText(const std::string& text) override {
    text_ = text;
    report_.results.emplace_back(name_, text);
  }

 private:
  std::string name_;
  std::string text_;
  RunReport& report_;
};

// Prompts that nobody can answer here are kept, and the run goes on.
class CollectingBox : public platform::MessageBox {
 public:
  explicit CollectingBox(std::vector<std::string>& into) : into_(into) {}
  void Show(const std::string& prompt) override { into_.push_back(prompt); }

 private:
  std::vector<std::string>& into_;
};

}  // namespace

RunReport RunCalculation(const InputTexts& inputs, calc::SlipLineSearch search) {
  RunReport report;
  platform::MemoryTextBox m1(inputs.M1), p1(inputs.p1), tetaA(inputs.TetaA), tetaB(inputs.TetaB);
  ResultBox betaA("Text_BetaA", report), m2("Text_M2", report), p2("Text_p2", report),
      betaB("Text_BetaB", report), m3("Text_M3", report), p3("Text_p3", report),
      fi("Text_Fi", report), tetaC("Text_TetaC", report), betaC("Text_BetaC", report),
      m4("Text_M4", report), p4("Text_p4", report), tetaD("Text_TetaD", report),
      betaD("Text_BetaD", report), m5("Text_M5", report), p5("Text_p5", report);
  platform::MemoryListBox list;
  CollectingBox messages(report.messages);
  CollectingBox warnings(report.warnings);

  const calc::Form1Controls controls{
      {m1, p1, tetaA, tetaB},
      {betaA, m2, p2, betaB, m3, p3, fi, tetaC, betaC, m4, p4, tetaD, betaD, m5, p5},
      list,
      report.drawing,
      messages,
      warnings,
      '.'};
  calc::Form1Procedures form(controls);
  form.Form_Load();
  try {
    form.hesapla(search);
  } catch (const platform::RuntimeError& error) {
    report.error = Failure{std::string(platform::KindName(error.Kind())), error.Where(),
                           calc::DescribeFailure(error, form.State())};
  }
  report.log = list.items;
  return report;
}

RunReport RunExactCalculation(const InputTexts& inputs, double gamma) {
  RunReport report;
  report.gamma = gamma;
  double numbers[4] = {};
  const std::string* texts[4] = {&inputs.M1, &inputs.p1, &inputs.TetaA, &inputs.TetaB};
  const char* names[4] = {"reading M1", "reading p1", "reading Teta-A", "reading Teta-B"};
  for (int i = 0; i < 4; ++i) {
    try {
      numbers[i] = platform::TextToNumber(*texts[i]);
    } catch (const platform::RuntimeError& error) {
      report.error = Failure{std::string(platform::KindName(error.Kind())), names[i],
                             "The number typed for " + std::string(names[i] + 8) +
                                 " is too large for a double."};
      return report;
    }
  }
  try {
    const exact::Interaction x =
        exact::SolveInteraction(numbers[0], numbers[1], numbers[2], numbers[3], gamma);
    const auto show = [&report](const char* control, double value, int places) {
      report.results.emplace_back(control, platform::NumberToText(platform::Round(value, places)));
    };
    show("Text_BetaA", x.shockA.beta, 2);
    show("Text_M2", x.region2.M, 3);
    show("Text_p2", x.region2.p, 3);
    show("Text_BetaB", x.shockB.beta, 2);
    show("Text_M3", x.region3.M, 3);
    show("Text_p3", x.region3.p, 3);
    show("Text_Fi", x.Fi, 2);
    show("Text_TetaC", x.shockC.deflection, 2);
    show("Text_BetaC", x.shockC.beta, 2);
    show("Text_M4", x.region4.M, 3);
    show("Text_p4", x.region4.p, 3);
    show("Text_TetaD", x.shockD.deflection, 2);
    show("Text_BetaD", x.shockD.beta, 2);
    show("Text_M5", x.region5.M, 3);
    show("Text_p5", x.region5.p, 3);
    report.exact = x;
  } catch (const exact::Error& error) {
    report.error = Failure{std::string(error.KindName()), "exact solve", error.what()};
  }
  return report;
}

}  // namespace cli
