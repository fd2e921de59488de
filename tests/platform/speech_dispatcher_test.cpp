// The real speech service: a private speech-dispatcher started by the test as the desktop starts
// the user's own (its configuration, socket and log in a temporary folder; the espeak-ng module
// with its Russian voice; ALSA writing the sound to a file, since tests run without a sound card).
#include "platform/speech/speech_dispatcher.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <regex>
#include <thread>

#include "support/game_fixture.hpp"
#include "support/program_harness.hpp"

extern char** environ;

namespace zaldrun {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileText;
using testing::WriteFileText;
using Lines = std::vector<std::string>;

bool Installed(const char* program) { return access(program, X_OK) == 0; }

void Pause() { std::this_thread::sleep_for(std::chrono::milliseconds(100)); }

// An environment variable for the life of a scope (the service and the speaker read them).
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const std::string& value) : name_(name) {
    if (const char* old = getenv(name)) old_ = old;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedVariable() { old_.empty() ? unsetenv(name_) : setenv(name_, old_.c_str(), 1); }

 private:
  const char* name_;
  std::string old_;
};

class PrivateSpeechService {
 public:
  explicit PrivateSpeechService(const fs::path& folder)
      : folder_(folder), home_("HOME", folder.string()) {
    fs::create_directories(folder_ / "modules");
    WriteFileText(folder_ / "speechd.conf",
                  "LogLevel 5\nAddModule \"espeak-ng\" \"sd_espeak-ng\" \"espeak-ng.conf\"\n"
                  "DefaultModule espeak-ng\nDefaultLanguage \"ru\"\nAudioOutputMethod \"alsa\"\n");
    WriteFileText(folder_ / "modules" / "espeak-ng.conf", "");
    WriteFileText(folder_ / ".asoundrc", "pcm.!default { type file slave.pcm \"null\" file \"" +
                                             (folder_ / "speech.raw").string() + "\" }\n");
    const std::string dir = folder_.string();
    std::vector<std::string> args = {"/usr/bin/speech-dispatcher", "-s", "-t", "0", "-l", "5",
                                     "-c", "unix_socket", "-S", Socket(), "-C", dir, "-L", dir,
                                     "-P", dir + "/pid"};
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t output;
    posix_spawn_file_actions_init(&output);
    posix_spawn_file_actions_addopen(&output, 1, (dir + "/output.txt").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&output, 1, 2);
    if (posix_spawn(&pid_, argv[0], &output, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&output);
    for (int i = 0; i < 100 && pid_ > 0 && !fs::exists(Socket()); ++i) Pause();
  }
  ~PrivateSpeechService() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }

  bool Started() const { return pid_ > 0 && fs::exists(Socket()); }
  std::string Output() const { return ReadFileText(folder_ / "output.txt"); }
  std::string Socket() const { return (folder_ / "speechd.sock").string(); }
  // The texts the service was handed, in order, from its own log.
  Lines Received() const {
    const std::string log = ReadFileText(folder_ / "speech-dispatcher.log");
    static const std::regex kQueued("Queueing message \\|([^|]*)\\|");
    Lines texts;
    for (auto it = std::sregex_iterator(log.begin(), log.end(), kQueued);
         it != std::sregex_iterator(); ++it) {
      texts.push_back((*it)[1]);
    }
    return texts;
  }
  uintmax_t SoundBytes() const {
    std::error_code ec;
    const uintmax_t size = fs::file_size(folder_ / "speech.raw", ec);
    return ec ? 0 : size;
  }

 private:
  fs::path folder_;
  ScopedVariable home_;  // where ALSA finds its settings
  pid_t pid_ = -1;
};

TEST(SpeechDispatcher, AShortGameIsSpokenInRussianInTheOrderOfItsMessages) {
  if (!Installed("/usr/bin/speech-dispatcher")) GTEST_SKIP() << "no speech-dispatcher installed";
  testing::TempFolder folder;
  PrivateSpeechService service(folder.path());
  if (!service.Started()) GTEST_SKIP() << "speech-dispatcher did not start: " << service.Output();
  ScopedVariable address("SPEECHD_ADDRESS", "unix_socket:" + service.Socket());
  auto speaker = platform::CreateSpeechDispatcherSpeaker();
  testing::ProgramHarness program;
  program.game().session.speaker = speaker.get();
  program.game().session.speech_from_command_line = true;
  const SandboxLevel level = testing::PictureLevel({"AAAAAA", "ACCCCA", "AC@CCA", "AAAAAA"});
  EXPECT_EQ(program.Keys("W>{Ctrl+R}{Ctrl+Q}n").Run(1, &level), 0);
  speaker.reset();
  for (int i = 0; i < 50 && service.SoundBytes() == 0; ++i) Pause();
  EXPECT_EQ(service.Received(),
            (Lines{"Залдрун. Меню — F10 или Escape.",
                   "Неизведанное место. Здоровье 10 из 10. Не голоден. Никого не видно.",
                   "Здесь нет никаких лестниц или входов.",
                   "Здесь нет никаких лестниц или входов.", "Сохранить игру?"}));
  EXPECT_GT(service.SoundBytes(), 0u) << "the espeak-ng module made no sound";
  // Where no service answers, the speaker says so.
  ScopedVariable nowhere("SPEECHD_ADDRESS", "unix_socket:" + (folder / "nobody.sock").string());
  EXPECT_FALSE(platform::CreateSpeechDispatcherSpeaker()->Say("Привет.", true));
}

// The Russian voice itself: one line rendered to a WAV file and measured.
TEST(SpeechDispatcher, TheRussianVoiceSpeaksALineOfPlausibleLengthAndLoudness) {
  if (!Installed("/usr/bin/espeak-ng") || !Installed("/usr/bin/sox")) {
    GTEST_SKIP() << "espeak-ng or sox is not installed";
  }
  testing::TempFolder folder;
  const std::string wav = (folder / "line.wav").string();
  const std::string report_file = (folder / "stat.txt").string();
  ASSERT_EQ(std::system(("espeak-ng -v ru -w '" + wav + "' 'Крыса, два шага на север.'").c_str()), 0);
  ASSERT_EQ(std::system(("sox '" + wav + "' -n stat 2>'" + report_file + "'").c_str()), 0);
  const std::string report = ReadFileText(report_file);
  auto figure = [&](const std::string& name) {
    std::smatch match;
    const bool found = std::regex_search(report, match, std::regex(name + ":\\s*([0-9.]+)"));
    return found ? std::stod(match[1]) : -1.0;
  };
  const double seconds = figure("Length \\(seconds\\)");
  EXPECT_GT(seconds, 0.8) << report;
  EXPECT_LT(seconds, 5.0) << report;
  EXPECT_GT(figure("Maximum amplitude"), 0.1) << report;
  EXPECT_GT(figure("RMS     amplitude"), 0.01) << report;
}

}  // namespace
}  // namespace zaldrun
