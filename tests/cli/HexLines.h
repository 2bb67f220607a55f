#pragma once

// Intel HEX record lines as tests build and take apart, worked out here.
#include <string>
#include <vector>

#include "../support/FontModel.h"

namespace ledfont::test {

// A record line with its checksum.
inline std::string Record(int count, int address, int type, const std::vector<int>& data) {
    int sum = count + address / 256 + address % 256 + type;
    std::string line = ":" + Hex2(count) + Hex2(address / 256) + Hex2(address % 256) + Hex2(type);
    for (int b : data) {
        line += Hex2(b);
        sum += b;
    }
    return line + Hex2((256 - sum % 256) % 256);
}

inline std::vector<int> DataOf(const std::string& line) {
    std::vector<int> data;
    for (std::size_t at = 9; at + 2 < line.size(); at += 2)
        data.push_back(std::stoi(line.substr(at, 2), nullptr, 16));
    return data;
}

inline int AddressOf(const std::string& line) { return std::stoi(line.substr(3, 4), nullptr, 16); }

// What a reader says of a line whose checksum does not bring its bytes to 0.
inline std::string ChecksumProblem(const std::string& line) {
    int sum = 0;
    for (std::size_t at = 1; at + 2 < line.size(); at += 2) sum += std::stoi(line.substr(at, 2), nullptr, 16);
    return "checksum " + line.substr(line.size() - 2) + " should be " + Hex2((256 - sum % 256) % 256);
}

}  // namespace ledfont::test
