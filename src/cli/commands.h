#pragma once

#include <string>
#include <vector>

namespace penvaro::cli {

// Each command takes the arguments after its name and returns the exit status.
int RunDump(const std::vector<std::string> &args);
int RunConvert(const std::vector<std::string> &args);
int RunSettings(const std::vector<std::string> &args);
int RunBalance(const std::vector<std::string> &args);
int RunRecurring(const std::vector<std::string> &args);
int RunImport(const std::vector<std::string> &args);
int RunInterest(const std::vector<std::string> &args);
int RunReport(const std::vector<std::string> &args);
int RunSearch(const std::vector<std::string> &args);
int RunPrint(const std::vector<std::string> &args);
int RunBlzImport(const std::vector<std::string> &args);
int RunBlzLookup(const std::vector<std::string> &args);
int RunBlzSearch(const std::vector<std::string> &args);
int RunWords(const std::vector<std::string> &args);
int RunIbanCheck(const std::vector<std::string> &args);
int RunIbanFrom(const std::vector<std::string> &args);
int RunCreditorIdCheck(const std::vector<std::string> &args);
int RunGiroCode(const std::vector<std::string> &args);
int RunSepaTransfer(const std::vector<std::string> &args);
int RunAccount(const std::vector<std::string> &args);

} // namespace penvaro::cli
