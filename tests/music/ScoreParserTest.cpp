#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "tests/TestFolder.h"
#include "support/music/Score.h"

namespace {

Score Parse(const std::string& text) {
    Score score;
    std::string error;
    EXPECT_TRUE(ParseScore(text, &score, &error)) << error;
    return score;
}

std::string ErrorOf(const std::string& text) {
    Score score;
    std::string error;
    EXPECT_FALSE(ParseScore(text, &score, &error)) << text;
    return error;
}

const char kInstruments[] =
    "instrument lead pluck volume=0.8 pan=-0.5 echo=0.3 reverb=0.2\n"
    "instrument kit drums\n";

}  // namespace

TEST(ScoreParserTest, ReadsSettingsInstrumentsPatternsAndTracks) {
    Score s = Parse(std::string("# a comment\ntempo 150\nsteps 2\nswing 0.25\necho 0.5 0.4\n") +
                    kInstruments +
                    "pattern riff   # comment after a word\n"
                    "  c4:2 f#4 Bb3:0.5! -:1.5 c4+e4+g4?\n"
                    "end\n"
                    "pattern beat\n  k+h:3 snare! -:3\nend\n"
                    "track lead riff riff+12*2 -:4\n"
                    "track lead riff-1\n"
                    "track kit beat*4\n");
    EXPECT_EQ(s.tempo, 150);
    EXPECT_EQ(s.stepsPerBeat, 2);
    EXPECT_EQ(s.swing, 0.25);
    EXPECT_EQ(s.echoBeats, 0.5);
    EXPECT_EQ(s.echoFeedback, 0.4);
    ASSERT_EQ(s.instruments.size(), 2u);
    EXPECT_EQ(s.instruments[0].kind, InstrumentKind::kPluck);
    EXPECT_EQ(s.instruments[0].volume, 0.8);
    EXPECT_EQ(s.instruments[0].pan, -0.5);
    EXPECT_EQ(s.instruments[0].echo, 0.3);
    EXPECT_EQ(s.instruments[0].reverb, 0.2);
    EXPECT_EQ(s.instruments[1].kind, InstrumentKind::kDrums);

    // riff lasts 2 + 1 + 0.5 + 1.5 + 1 = 6 steps; the lead plays it 4 times
    // with a 4-step rest before the last: 28 steps, like the four beats.
    EXPECT_EQ(s.lengthSteps, 28);
    ASSERT_EQ(s.tracks.size(), 2u);
    const Track& lead = s.tracks[0];
    ASSERT_EQ(lead.notes.size(), 4u * 6u);
    EXPECT_EQ(lead.notes[0].pitch, 60);
    EXPECT_EQ(lead.notes[0].length, 2);
    EXPECT_EQ(lead.notes[1].pitch, 66);  // the '#' of a sharp is no comment
    EXPECT_EQ(lead.notes[1].step, 2);
    EXPECT_EQ(lead.notes[2].pitch, 58);  // B flat 3
    EXPECT_EQ(lead.notes[2].velocity, 1.0);
    EXPECT_EQ(lead.notes[3].step, 5);    // the chord, after the rest
    EXPECT_EQ(lead.notes[3].velocity, 0.45);
    EXPECT_EQ(lead.notes[4].step, 5);
    EXPECT_EQ(lead.notes[5].pitch, 67);
    EXPECT_EQ(lead.notes[6].pitch, 72);  // riff+12, first time
    EXPECT_EQ(lead.notes[6].step, 6);
    EXPECT_EQ(lead.notes[12].step, 12);  // riff+12, second time
    EXPECT_EQ(lead.notes[18].pitch, 59); // the second track line goes on after the rest
    EXPECT_EQ(lead.notes[18].step, 22);

    const Track& kit = s.tracks[1];
    ASSERT_EQ(kit.notes.size(), 12u);
    EXPECT_EQ(kit.notes[0].pitch, kKick);
    EXPECT_EQ(kit.notes[1].pitch, kHat);
    EXPECT_EQ(kit.notes[2].pitch, kSnare);
    EXPECT_EQ(kit.notes[2].step, 3);
    EXPECT_EQ(kit.notes[11].step, 24);
    EXPECT_DOUBLE_EQ(s.Seconds(), 28 * 60.0 / 150 / 2);
}

TEST(ScoreParserTest, BrokenScoresNameTheLineAndTheFault) {
    const std::string head = std::string(kInstruments) + "pattern p\n  c4:4\nend\n";  // lines 1-5
    struct Case {
        std::string text;
        const char* expected;
    } cases[] = {
        {"tempo 20\n", "line 1: \"tempo\" takes one number from 40 to 300"},
        {"tempo fast\n", "line 1: \"tempo\""},
        {"steps 2.5\n", "line 1: \"steps\" takes one whole number"},
        {"\n\nloop 4\n", "line 3: unknown word \"loop\""},
        {"instrument x kazoo\n", "line 1: unknown instrument kind \"kazoo\""},
        {"instrument x pad volume=3\n", "line 1: bad value in \"volume=3\""},
        {"instrument x pad colour=red\n", "line 1: unknown setting \"colour=red\""},
        {std::string(kInstruments) + "instrument lead bass\n", "line 3: instrument lead is defined twice"},
        {head + "track lead q\n", "line 6: pattern \"q\" is not defined above"},
        {head + "track bass p\n", "line 6: instrument bass is not defined above"},
        {head + "track kit p\n", "line 6: pattern p holds notes but instrument kit is a drum kit"},
        {head + "pattern d\nk\nend\ntrack lead d\n", "line 9: pattern d holds drums"},
        {head + "pattern d\nk\nend\ntrack kit d+2\n", "line 9: drum pattern d cannot be transposed"},
        {head + "pattern q\n  c4 k\nend\n", "line 7: pattern q mixes notes and drums"},
        {head + "pattern q\n  c4 zz4\nend\n", "line 7: \"zz4\" is not a note"},
        {head + "pattern q\n  c4:0\nend\n", "line 7: bad length in \"c4:0\""},
        {head + "pattern q\nend\n", "line 7: pattern q is empty"},
        {head + "pattern p\n", "line 6: pattern p is defined twice"},
        {head + "pattern q\n  c4\n", "line 6: pattern q is never closed"},
        {"end\n", "line 1: \"end\" without a pattern"},
        {head + "track lead p+60\n", "line 6: bad transposition"},
        {head + "pattern h\n  c8\nend\ntrack lead h+1\n", "line 9: \"h+1\" goes outside c0 to c8"},
        {head + "track lead p*0\n", "line 6: bad repeat"},
        {head + "pattern d\n  k:4\nend\ntrack lead p*2\n\ntrack kit d\n",
         "line 11: track kit lasts 4 steps but the longest track lasts 8"},
        {head + "pattern h\n  c4:0.5\nend\ntrack lead h\n", "line 9: track lead ends in the middle of a step"},
        {head, "line 5: the score plays nothing"},
        {head + "pattern h\n  c4:1024\nend\ntrack lead h*65\n", "line 9: the tune is far too long"},
    };
    for (const Case& c : cases) {
        std::string error = ErrorOf(c.text);
        EXPECT_EQ(error.rfind(c.expected, 0), 0u) << "got: " << error << "\nwanted: " << c.expected;
    }
}

TEST(ScoreParserTest, LoadScoreNamesTheFileAndRefusesWhatIsNoScore) {
    TestFolder folder;
    Score score;
    std::string error;
    EXPECT_FALSE(LoadScore("missing.txt", &score, &error));
    EXPECT_EQ(error, "missing.txt: cannot be opened");

    TestFolder::Write("big.txt", std::string((1 << 20) + 1, '#'));
    EXPECT_FALSE(LoadScore("big.txt", &score, &error));
    EXPECT_NE(error.find("big.txt: larger than 1 MB"), std::string::npos) << error;

    TestFolder::Write("bad.txt", "tempo 100\nsteps x\n");
    EXPECT_FALSE(LoadScore("bad.txt", &score, &error));
    EXPECT_EQ(error.rfind("bad.txt: line 2: ", 0), 0u) << error;

    // Paths are written the game's way, and letter case is forgiven.
    TestFolder::Write("ok.txt", std::string(kInstruments) + "pattern p\nc4\nend\ntrack lead p\n");
    EXPECT_TRUE(LoadScore(".\\OK.TXT", &score, &error)) << error;
}

TEST(ScoreParserTest, ShippedScoresParseAndLoopForHalfAMinuteToAMinute) {
    for (const char* name : {"intro", "menu", "seleccion", "granja", "creditos"}) {
        SCOPED_TRACE(name);
        Score score;
        std::string error;
        ASSERT_TRUE(LoadScore(std::string(CORRALON_SOURCE_DIR) + "/data/music/" + name + ".txt", &score,
                              &error))
            << error;
        EXPECT_GE(score.Seconds(), kMinTuneSeconds);
        EXPECT_LE(score.Seconds(), kMaxTuneSeconds);
        EXPECT_GE(score.tracks.size(), 4u);
    }
}
