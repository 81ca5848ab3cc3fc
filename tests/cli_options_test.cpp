#include <gtest/gtest.h>

#include "cli/options.h"

namespace {

cli::ParsedCommand Parse(std::vector<std::string> args) { return cli::ParseCommandLine(args); }

}  // namespace

TEST(CliOptions, DefaultsAreTheWindowsStartTexts) {
  const auto parsed = Parse({});
  const auto* options = std::get_if<cli::Options>(&parsed);
  ASSERT_NE(options, nullptr);
  EXPECT_EQ(options->inputs.M1, "3");
  EXPECT_EQ(options->inputs.p1, "1");
  EXPECT_EQ(options->inputs.TetaA, "10");
  EXPECT_EQ(options->inputs.TetaB, "5");
  EXPECT_EQ(options->method, cli::Method::Iterasyon);
  EXPECT_EQ(options->format, cli::Format::Text);
  EXPECT_FALSE(options->drawing);
}

TEST(CliOptions, InputTextsAreTakenVerbatim) {
  const auto parsed = Parse({"--M1", " 3,5", "--TetaB=-5", "--TetaA", "-12", "--p1=", "--method",
                             "iteras", "--format=json", "--drawing"});
  const auto* options = std::get_if<cli::Options>(&parsed);
  ASSERT_NE(options, nullptr);
  EXPECT_EQ(options->inputs.M1, " 3,5");
  EXPECT_EQ(options->inputs.TetaB, "-5");
  EXPECT_EQ(options->inputs.TetaA, "-12");
  EXPECT_EQ(options->inputs.p1, "");
  EXPECT_EQ(options->method, cli::Method::Iteras);
  EXPECT_EQ(options->format, cli::Format::Json);
  EXPECT_TRUE(options->drawing);

  // A value that begins with "--" is given after "=".
  const auto odd = Parse({"--TetaA", "1\n0", "--TetaB=--help", "--M1="});
  ASSERT_TRUE(std::holds_alternative<cli::Options>(odd));
  EXPECT_EQ(std::get<cli::Options>(odd).inputs.TetaA, "1\n0");
  EXPECT_EQ(std::get<cli::Options>(odd).inputs.TetaB, "--help");
  EXPECT_EQ(std::get<cli::Options>(odd).inputs.M1, "");
}

TEST(CliOptions, AValueThatIsAnOptionRepeatsAndStrayArgumentsAreUsageErrors) {
  const auto message = [](std::vector<std::string> args) {
    const auto parsed = Parse(std::move(args));
    const auto* error = std::get_if<cli::UsageError>(&parsed);
    return error ? error->message : std::string("no error");
  };
  EXPECT_EQ(message({"--M1", "--p1", "2"}),
            "--M1 needs a value, and --p1 is the next option (write --M1=--p1 to mean that text)");
  EXPECT_EQ(message({"--M1", "3", "--M1=4"}), "--M1 is given twice; give each option once");
  EXPECT_EQ(message({"--version", "extra"}), "unexpected argument \"extra\"");
  EXPECT_EQ(message({"--help", "--bogus"}), "unexpected argument \"--bogus\"");
  EXPECT_EQ(message({"--", "--M1", "4"}), "unexpected argument \"--M1\" \"4\"");
  EXPECT_EQ(message({"--drawing=yes"}), "--drawing takes no value");
  EXPECT_EQ(message({"-h", "--help"}), "--help is given twice; give each option once");
  EXPECT_EQ(message({"-h=1"}), "-h takes no value");
  const auto short_value = Parse({"--TetaB", "-h", "--TetaA", "-5"});  // values, not options
  ASSERT_TRUE(std::holds_alternative<cli::Options>(short_value));
  EXPECT_EQ(std::get<cli::Options>(short_value).inputs.TetaB, "-h");
  EXPECT_TRUE(std::holds_alternative<cli::ShowHelp>(Parse({"-h"})));
  EXPECT_TRUE(std::holds_alternative<cli::Options>(Parse({"--TetaB", "-5", "--"})));
  const std::string help = cli::HelpText();
  for (const char* option : {"--M1 TEXT", "--method NAME", "--gamma G", "--size WxH", "Exit status: 0"}) {
    EXPECT_NE(help.find(option), std::string::npos) << option;
  }
  std::size_t line_start = 0;
  for (std::size_t end = help.find('\n'); end != std::string::npos; end = help.find('\n', line_start)) {
    EXPECT_LE(end - line_start, 80u) << help.substr(line_start, end - line_start);
    line_start = end + 1;
  }
}

TEST(CliOptions, HelpVersionAndUsageErrors) {
  EXPECT_TRUE(std::holds_alternative<cli::ShowHelp>(Parse({"--help"})));
  EXPECT_TRUE(std::holds_alternative<cli::ShowVersion>(Parse({"--version"})));
  EXPECT_TRUE(std::holds_alternative<cli::UsageError>(Parse({"--M1"})));
  EXPECT_TRUE(std::holds_alternative<cli::UsageError>(Parse({"--method", "newton"})));
  EXPECT_TRUE(std::holds_alternative<cli::UsageError>(Parse({"--format"})));
  EXPECT_TRUE(std::holds_alternative<cli::UsageError>(Parse({"--drawing=yes"})));
  EXPECT_TRUE(std::holds_alternative<cli::UsageError>(Parse({"3"})));
}

TEST(CliOptions, ExactModeAndItsGamma) {
  const auto parsed = Parse({"--method", "exact", "--gamma=1.3"});
  const auto* options = std::get_if<cli::Options>(&parsed);
  ASSERT_NE(options, nullptr);
  EXPECT_EQ(options->method, cli::Method::Exact);
  EXPECT_EQ(options->gamma, 1.3);
  EXPECT_TRUE(std::holds_alternative<cli::UsageError>(Parse({"--gamma", "1.3"})));
  EXPECT_TRUE(std::holds_alternative<cli::UsageError>(Parse({"--method", "exact", "--gamma", "1"})));
  EXPECT_TRUE(std::holds_alternative<cli::UsageError>(Parse({"--method", "exact", "--gamma", "x"})));
  // The diagram is drawn for air, so the exact method draws it at gamma 1.4 only.
  EXPECT_TRUE(std::holds_alternative<cli::Options>(Parse({"--method", "exact", "--svg", "a.svg"})));
  EXPECT_TRUE(std::holds_alternative<cli::UsageError>(
      Parse({"--method", "exact", "--gamma", "1.3", "--drawing"})));
}

TEST(CliOptions, PictureSizeAndScale) {
  const auto parsed = Parse({"--svg", "a.svg", "--png=b.png", "--size", "714x666", "--scale", "3"});
  const auto* options = std::get_if<cli::Options>(&parsed);
  ASSERT_NE(options, nullptr);
  EXPECT_EQ(options->export_request.svg_path, "a.svg");
  EXPECT_EQ(options->export_request.png_path, "b.png");
  EXPECT_EQ(options->export_request.width, 714);
  EXPECT_EQ(options->export_request.height, 666);
  EXPECT_EQ(options->export_request.scale, 3);
  for (const char* size : {"714", "714x", "x666", "0x10", "714x666x2", "-5x10", "10x99999"}) {
    EXPECT_TRUE(std::holds_alternative<cli::UsageError>(Parse({"--size", size}))) << size;
  }
  EXPECT_TRUE(std::holds_alternative<cli::UsageError>(Parse({"--scale", "0"})));
  EXPECT_TRUE(std::holds_alternative<cli::UsageError>(Parse({"--scale", "17"})));
  EXPECT_TRUE(std::holds_alternative<cli::UsageError>(Parse({"--size", "8192x8192", "--scale", "4"})));
  EXPECT_TRUE(std::holds_alternative<cli::UsageError>(Parse({"--svg", ""})));
}

// The chart goes by its file's ending; --size sets its size too, any gamma is drawn.
TEST(CliOptions, Chart) {
  const auto parsed = Parse({"--chart", "c.SVG", "--method", "exact", "--gamma", "1.3"});
  const auto* options = std::get_if<cli::Options>(&parsed);
  ASSERT_NE(options, nullptr);
  EXPECT_EQ(options->export_request.chart_path, "c.SVG");
  EXPECT_EQ(options->export_request.chart_width, 900);
  const auto sized = Parse({"--chart=c.png", "--size", "640x480"});
  ASSERT_TRUE(std::holds_alternative<cli::Options>(sized));
  EXPECT_EQ(std::get<cli::Options>(sized).export_request.chart_height, 480);
  for (const char* path : {"c.pdf", "", ".svg", "svg", "c.svg.txt"}) {
    EXPECT_TRUE(std::holds_alternative<cli::UsageError>(Parse({"--chart", path}))) << path;
  }
}

// The domain map goes by its file's ending too; --size sets its size.
TEST(CliOptions, DomainMap) {
  const auto parsed = Parse({"--domain-map", "m.svg", "--M1", "5"});
  const auto* options = std::get_if<cli::Options>(&parsed);
  ASSERT_NE(options, nullptr);
  EXPECT_EQ(options->export_request.domain_map_path, "m.svg");
  EXPECT_EQ(options->export_request.domain_map_width, 820);
  const auto sized = Parse({"--domain-map=m.PNG", "--size", "640x480"});
  ASSERT_TRUE(std::holds_alternative<cli::Options>(sized));
  EXPECT_EQ(std::get<cli::Options>(sized).export_request.domain_map_height, 480);
  for (const char* path : {"m.pdf", "", ".png", "m.png.txt"}) {
    EXPECT_TRUE(std::holds_alternative<cli::UsageError>(Parse({"--domain-map", path}))) << path;
  }
}

// A PNG picture is refused beyond the pixel limit, whichever option asks for
// it; SVG pictures, drawn as lines, are not.
TEST(CliOptions, PngPicturesHaveAPixelLimit) {
  for (const char* option : {"--png=p.png", "--chart=c.Png", "--domain-map=m.PNG"}) {
    const auto refused = Parse({option, "--size", "8000x5001"});
    ASSERT_TRUE(std::holds_alternative<cli::UsageError>(refused)) << option;
    EXPECT_NE(std::get<cli::UsageError>(refused).message.find(
                  "8000 x 5001 pixels, more than the limit of 40 million pixels"),
              std::string::npos)
        << std::get<cli::UsageError>(refused).message;
    EXPECT_TRUE(std::holds_alternative<cli::Options>(Parse({option, "--size", "4000x2500", "--scale", "2"})))
        << "exactly 40 million pixels";
  }
  for (const char* option : {"--svg=p.svg", "--chart=c.svg", "--domain-map=m.svg"}) {
    EXPECT_TRUE(std::holds_alternative<cli::Options>(Parse({option, "--size", "8192x8192", "--scale", "2"})))
        << option;
  }
}
