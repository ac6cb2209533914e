// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/manualgen/HelpTexts.h"
#include "tools/manualgen/ManPage.h"
#include "tools/manualgen/ManualSource.h"

#include <gtest/gtest.h>

using namespace manualgen;

namespace {

const Release kRelease{"Detector Lab", "1.2.3", "2026-12-08", "2026 Detector Lab developers"};

const std::string kSource = R"(# a comment
Name: probe
Summary: tries the "generator"
Usage: [options]
Usage: --verify FILE
See also: detector-lab(1), other(5)

Runs the probe.
.dots and \backslashes stay text.

Options:
  --gain VALUES  the gain K
                 across two lines
  -h, --help     this text
  --a-very-long-option-name
                 its text below

Run it, for instance, so:
  probe --gain 1:2:0.5 \
      --seed 1

Exit status:
  0    done
  130  interrupted
)";

} // namespace

TEST(ManualSource, TheBodyFallsIntoParagraphsSectionsTermsAndExamples)
{
    const ManualSource source = ReadManualSource(kSource);
    EXPECT_EQ(source.Name, "probe");
    EXPECT_EQ(source.Usages, (std::vector<std::string>{"[options]", "--verify FILE"}));
    EXPECT_EQ(source.SeeAlso, (std::vector<std::string>{"detector-lab(1)", "other(5)"}));
    const std::vector<Block> blocks = BodyBlocks(source.Body);
    using Kind = Block::Kind;
    const struct {
        Kind type;
        std::string first; // the first line, or the first term
    } rows[] = {
        {Kind::Paragraph, "Runs the probe."},   {Kind::Section, "Options"},
        {Kind::Terms, "--gain VALUES"},         {Kind::Paragraph, "Run it, for instance, so:"},
        {Kind::Verbatim, "probe --gain 1:2:0.5 \\"}, {Kind::Section, "Exit status"},
        {Kind::Terms, "0"},
    };
    ASSERT_EQ(blocks.size(), std::size(rows));
    for (size_t i = 0; i < blocks.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(blocks[i].Type, rows[i].type);
        EXPECT_EQ(blocks[i].Type == Kind::Terms ? blocks[i].Terms.front().Name : blocks[i].Lines.front(), rows[i].first);
    }
    const std::vector<Term>& options = blocks[2].Terms;
    ASSERT_EQ(options.size(), 3u);
    EXPECT_EQ(options[0].Text, (std::vector<std::string>{"the gain K", "across two lines"}));
    EXPECT_EQ(options[1].Name, "-h, --help");
    EXPECT_EQ(options[2].Text, std::vector<std::string>{"its text below"});
}

// A line is as wide as its characters, not its bytes: 79 Cyrillic letters fit.
TEST(ManualSource, WidthCountsCharacters)
{
    std::string wide;
    for (int i = 0; i < 79; ++i)
        wide += "ж";
    EXPECT_NO_THROW(ReadManualSource("Name: x\nSummary: y\nUsage: z\n\n" + wide + "\n"));
}

TEST(ManualSource, FaultsNameTheirLine)
{
    const struct {
        std::string text;
        std::string saying;
    } rows[] = {
        {"Name: x\nSummary: y\nUsage: z\n\n\tTabbed.\n", "line 5: a tab"},
        {"Name: x\nSummary: y\nUsage: z\n\n" + std::string(80, 'w') + "\n", "line 5: wider than 79"},
        {"Name: x\nSummary: y\nUsage: z\n\n" + std::string(78, 'w') + "жж\n", "line 5: wider than 79"},
        {"Name: x\nSummary: y\nUsage: z\n\nTrailing. \n", "line 5: spaces at the end"},
        {"Name: x\nSumary: y\n", "line 2: unknown header 'Sumary'"},
        {"Name x\n", "line 1: expected 'Key: value'"},
        {"Name: x\nUsage: z\n\nText.\n", "needs Name, Summary and at least one Usage"},
        {"Name: x\nSummary: y\nUsage: z\n\n\n", "no text after the header"},
    };
    for (const auto& row : rows) {
        try {
            ReadManualSource(row.text);
            ADD_FAILURE() << "accepted: " << row.text;
        } catch (const SourceError& error) {
            EXPECT_NE(std::string(error.what()).find(row.saying), std::string::npos) << error.what();
        }
    }
}

TEST(HelpTexts, HelpIsTheUsagesAndTheBodyAsWritten)
{
    const ManualSource source = ReadManualSource(kSource);
    const std::string help = HelpText(source);
    EXPECT_EQ(help.substr(0, help.find("\n\n") + 2), "Usage: probe [options]\n       probe --verify FILE\n\n");
    EXPECT_NE(help.find("\n.dots and \\backslashes stay text.\n"), std::string::npos);
    EXPECT_EQ(help.substr(help.size() - 19), "  130  interrupted\n");
    EXPECT_EQ(VersionText(source, kRelease).substr(0, 70),
        "probe (Detector Lab) 1.2.3\nCopyright (C) 2026 Detector Lab developers\n");
}

TEST(ManPage, RoffReadsTextAsText)
{
    const struct {
        std::string text;
        std::string roff;
    } rows[] = {
        {"--gain", "\\-\\-gain"},
        {".dots", "\\&.dots"},
        {"'quoted'", "\\&'quoted'"},
        {"a\\b", "a\\eb"},
        {"plain text.", "plain text."},
    };
    for (const auto& row : rows)
        EXPECT_EQ(RoffText(row.text), row.roff) << row.text;
}

TEST(ManPage, SectionsTermsAndReferences)
{
    const std::string page = ManPage(ReadManualSource(kSource), kRelease, "probe.manual");
    for (const std::string part : {
             ".TH PROBE 1 2026\\-12\\-08 \"Detector Lab 1.2.3\" \"User Commands\"\n.nh\n.ad l\n",
             ".SH NAME\nprobe \\- tries the \"generator\"\n",
             ".SH SYNOPSIS\n.B probe\n[options]\n.br\n.B probe\n\\-\\-verify FILE\n",
             ".SH DESCRIPTION\nRuns the probe.\n\\&.dots and \\ebackslashes stay text.\n.SH OPTIONS\n",
             ".TP\n\\fB\\-\\-gain\\fR \\fIVALUES\\fR\nthe gain K\nacross two lines\n",
             ".TP\n\\fB\\-h,\\fR \\fB\\-\\-help\\fR\nthis text\n",
             ".PP\nRun it, for instance, so:\n.PP\n.RS 4\n.nf\nprobe \\-\\-gain 1:2:0.5 \\e\n    \\-\\-seed 1\n.fi\n.RE\n",
             ".SH EXIT STATUS\n.TP\n\\fB0\\fR\ndone\n",
             ".SH COPYRIGHT\nCopyright (C) 2026 Detector Lab developers\n.br\nLicense GPLv3+",
             ".SH SEE ALSO\n.BR detector\\-lab (1),\n.BR other (5)\n",
         })
        EXPECT_NE(page.find(part), std::string::npos) << part << "\nnot in\n" << page;
}
