// Errors of the compressed store. The texts are fixed: the tally window shows
// them to the player as they are, and older builds printed the same words.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace velmora::tally {

class ELzrw1Exception : public std::runtime_error {
public:
    explicit ELzrw1Exception(const std::string& text) : std::runtime_error(text) {}
};

// The engine's own failure; derived so one catch covers every store error.
class ELzrw1KHCompressor : public ELzrw1Exception {
public:
    explicit ELzrw1KHCompressor(const std::string& text) : ELzrw1Exception(text) {}
};

namespace errors {
std::string noHashMemory();
std::string noBufferMemory();
std::string noInputSize(std::string_view input);
std::string openInput(std::string_view input);
std::string openOutput(std::string_view output);
std::string readCompressing(std::string_view input);
std::string readExpanding(std::string_view input);
std::string writeFailed(std::string_view output);
std::string badHeader(std::string_view input);
std::string sizeMismatch();
}  // namespace errors

}  // namespace velmora::tally
