// The real speech service: a private speech-dispatcher started by the test as the desktop starts
// the user's own (its configuration, socket and log in a temporary folder; the espeak-ng module
// with its Russian voice; the sound written to a file, since tests run without a sound card).
#include "platform/speech/speech_dispatcher.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "support/game_fixture.hpp"
#include "support/program_harness.hpp"
#include "support/temp_folder.hpp"

extern char** environ;

namespace zaldrun {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileText;
using testing::WriteFileText;

std::optional<fs::path> FindProgram(const std::string& name) {
  for (const char* folder : {"/usr/bin", "/usr/local/bin", "/bin"}) {
    const fs::path path = fs::path(folder) / name;
    if (access(path.c_str(), X_OK) == 0) return path;
  }
  return std::nullopt;
}

// Runs a program with HOME set to `home`, its output into `output`; returns its process id, or -1.
pid_t Spawn(const std::vector<std::string>& args, const fs::path& home, const fs::path& output) {
  std::vector<std::string> environment = {"HOME=" + home.string()};
  for (char** entry = environ; *entry != nullptr; ++entry) {
    if (std::string_view(*entry).starts_with("HOME=")) continue;
    environment.emplace_back(*entry);
  }
  std::vector<char*> argv;
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  std::vector<char*> envp;
  for (std::string& entry : environment) envp.push_back(entry.data());
  envp.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_adddup2(&actions, 1, 2);
  pid_t pid = -1;
  const int error = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  return error == 0 ? pid : -1;
}

class PrivateSpeechService {
 public:
  explicit PrivateSpeechService(const fs::path& folder) : folder_(folder) {
    const auto program = FindProgram("speech-dispatcher");
    if (!program) {
      why_not_ = "speech-dispatcher is not installed (Debian: speech-dispatcher)";
      return;
    }
    fs::create_directories(folder_ / "conf" / "modules");
    fs::create_directories(folder_ / "home");
    fs::create_directories(folder_ / "log");
    WriteFileText(folder_ / "conf" / "speechd.conf",
                  "LogLevel 5\n"
                  "AddModule \"espeak-ng\" \"sd_espeak-ng\" \"espeak-ng.conf\"\n"
                  "DefaultModule espeak-ng\n"
                  "DefaultLanguage \"ru\"\n"
                  "AudioOutputMethod \"alsa\"\n");
    WriteFileText(folder_ / "conf" / "modules" / "espeak-ng.conf", "");
    // ALSA's default device writes the sound to a file.
    WriteFileText(folder_ / "home" / ".asoundrc",
                  "pcm.!default {\n  type file\n  slave.pcm \"null\"\n  file \"" +
                      (folder_ / "speech.raw").string() + "\"\n  format \"raw\"\n}\n");
    pid_ = Spawn({program->string(), "-s", "-t", "0", "-c", "unix_socket", "-S", Socket().string(),
                  "-C", (folder_ / "conf").string(), "-L", (folder_ / "log").string(), "-P",
                  (folder_ / "pid").string(), "-l", "5"},
                 folder_ / "home", folder_ / "output.txt");
    for (int i = 0; i < 100 && pid_ > 0 && !fs::exists(Socket()); ++i) {
      if (waitpid(pid_, nullptr, WNOHANG) == pid_) pid_ = -1;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    if (pid_ <= 0 || !fs::exists(Socket())) {
      why_not_ = "speech-dispatcher did not start: " + ReadFileText(folder_ / "output.txt");
    }
  }
  ~PrivateSpeechService() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }

  const std::string& why_not() const { return why_not_; }
  fs::path Socket() const { return folder_ / "speechd.sock"; }
  std::string Address() const { return "unix_socket:" + Socket().string(); }

  // The texts the service was handed, in order, from its own log.
  std::vector<std::string> Received() const {
    const std::string log = ReadFileText(folder_ / "log" / "speech-dispatcher.log");
    static const std::regex kQueued("Queueing message \\|([^|]*)\\|");
    std::vector<std::string> texts;
    for (auto it = std::sregex_iterator(log.begin(), log.end(), kQueued);
         it != std::sregex_iterator(); ++it) {
      texts.push_back((*it)[1]);
    }
    return texts;
  }
  // How much sound the voice has made so far.
  uintmax_t SoundBytes() const {
    std::error_code ec;
    const uintmax_t size = fs::file_size(folder_ / "speech.raw", ec);
    return ec ? 0 : size;
  }

 private:
  fs::path folder_;
  pid_t pid_ = -1;
  std::string why_not_;
};

// The service's address for the speakers made in a scope.
class SpeechAddress {
 public:
  explicit SpeechAddress(const std::string& address) { setenv("SPEECHD_ADDRESS", address.c_str(), 1); }
  ~SpeechAddress() { unsetenv("SPEECHD_ADDRESS"); }
};

TEST(SpeechDispatcher, AShortGameIsSpokenInRussianInTheOrderOfItsMessages) {
  testing::TempFolder folder;
  PrivateSpeechService service(folder.path());
  if (!service.why_not().empty()) GTEST_SKIP() << service.why_not();
  SpeechAddress address(service.Address());
  auto speaker = platform::CreateSpeechDispatcherSpeaker();
  testing::ProgramHarness program;
  program.game().session.speaker = speaker.get();
  program.game().session.speech_from_command_line = true;
  const SandboxLevel level = testing::PictureLevel({"AAAAAA", "ACCCCA", "AC@CCA", "AAAAAA"});
  program.Keys("W>M{Ctrl+Q}n");
  EXPECT_EQ(program.Run(1, &level), 0);
  speaker.reset();
  for (int i = 0; i < 50 && service.SoundBytes() == 0; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  EXPECT_EQ(service.Received(),
            (std::vector<std::string>{"Залдрун. Меню — F10 или Escape.",
                                      "Песочница. Здоровье 10 из 10. Не голоден. Никого не видно.",
                                      "Здесь нет никаких лестниц или входов.",
                                      "Здесь нет никаких лестниц или входов.", "Сохранить игру?"}));
  EXPECT_GT(service.SoundBytes(), 0u) << "the espeak-ng module made no sound";
}

TEST(SpeechDispatcher, WithNoServiceAtTheAddressTheSpeakerRefuses) {
  testing::TempFolder folder;
  SpeechAddress address("unix_socket:" + (folder / "nobody.sock").string());
  EXPECT_FALSE(platform::CreateSpeechDispatcherSpeaker()->Say("Привет.", true));
}

// The Russian voice itself: one line rendered to a WAV file and measured.
TEST(SpeechDispatcher, TheRussianVoiceSpeaksALineOfPlausibleLengthAndLoudness) {
  const auto espeak = FindProgram("espeak-ng");
  const auto sox = FindProgram("sox");
  if (!espeak || !sox) GTEST_SKIP() << "espeak-ng or sox is not installed";
  testing::TempFolder folder;
  const fs::path wav = folder / "line.wav";
  const std::string render = espeak->string() + " -v ru -w '" + wav.string() +
                             "' 'Крыса, два шага на север.' 2>&1";
  ASSERT_EQ(std::system(render.c_str()), 0);
  const std::string measure = sox->string() + " '" + wav.string() + "' -n stat 2>&1";
  std::string report;
  FILE* pipe = popen(measure.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  char buffer[256];
  while (fgets(buffer, sizeof buffer, pipe) != nullptr) report += buffer;
  ASSERT_EQ(pclose(pipe), 0) << report;
  auto figure = [&](const std::string& name) {
    const std::regex pattern(name + ":\\s*([0-9.]+)");
    std::smatch match;
    return std::regex_search(report, match, pattern) ? std::stod(match[1]) : -1.0;
  };
  const double seconds = figure("Length \\(seconds\\)");
  EXPECT_GT(seconds, 0.8) << report;
  EXPECT_LT(seconds, 5.0) << report;
  EXPECT_GT(figure("Maximum amplitude"), 0.1) << report;
  EXPECT_GT(figure("RMS     amplitude"), 0.01) << report;
}

}  // namespace
}  // namespace zaldrun
