#pragma once

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "music/mci_port.h"

using Calls = std::vector<std::wstring>;

// Logs each call as one line. Replies are scripted by command (others succeed with no text) and
// come back like a system buffer: text, NUL, stale characters.
class RecordingPort final : public MciPort {
 public:
  std::map<std::wstring, Reply, std::less<>> replies;
  std::map<std::int32_t, std::wstring> errorTexts;
  std::uint32_t waveDevices = 1;
  std::wstring throwingCommand;
  Calls calls;

  Reply Send(std::wstring_view command, std::size_t chars) override {
    Log(std::wstring(command));
    if (command == throwingCommand) throw std::runtime_error("port failed");
    const auto found = replies.find(command);
    const Reply reply = found == replies.end() ? Reply{0, L""} : found->second;
    return {reply.code, Buffer(reply.buffer, chars)};
  }
  std::optional<std::wstring> ErrorText(std::int32_t code, std::size_t chars) override {
    Log(L"error text " + std::to_wstring(code));
    const auto found = errorTexts.find(code);
    if (found == errorTexts.end()) return std::nullopt;
    return Buffer(found->second, chars);
  }
  std::uint32_t WaveOutputDevices() override { return Log(L"wave devices"), waveDevices; }
  std::int32_t PlayLoopingSound(const std::wstring& file) override {
    return Log(L"loop sound " + file), 1;
  }
  std::int32_t StopSound() override { return Log(L"stop sound"), 1; }

  // The calls since the last look.
  Calls Take() { return std::exchange(calls, {}); }

 private:
  void Log(const std::wstring& call) { calls.push_back(call); }
  static std::wstring Buffer(const std::wstring& text, std::size_t chars) {
    if (chars == 0) return L"";
    EXPECT_LT(text.size(), chars) << "a reply the buffer cannot hold";
    std::wstring buffer = text + L'\0';
    buffer.resize(chars, L'#');
    return buffer;
  }
};
