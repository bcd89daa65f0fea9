// Start-up cost of CorvalisConfig against the least dialog program, under the same system in one run.
// Usage: startup_bench PAIRS PROGRAM.exe MINIMAL.exe [SAME_TEMPLATE.exe [SAME_TEMPLATE_OPEN.exe]]
// Each pair runs the minimal program, then the program; the program is timed from its start until its
// dialog, filled from the stores, has been shown and closed with Cancel and the process has ended. When
// given, programs showing the same template and nothing else run after each pair, to tell the template's
// own cost from the program's: one closes itself at once as the minimal program does, the other stays
// open and is closed from here as the program is.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindProcessDialog(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (processId == search->processId && IsWindowVisible(window) && std::string(className) == "#32770") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Seconds from the start of the process to its end; cancelWhenShown closes its dialog from here.
double TimeRun(const std::string& program, bool cancelWhenShown) {
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    const double start = Now();
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fprintf(stderr, "cannot start %s\n", program.c_str());
        std::exit(2);
    }
    if (cancelWhenShown) {
        Search search = {process.dwProcessId, nullptr};
        while (!search.found && WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
            EnumWindows(FindProcessDialog, reinterpret_cast<LPARAM>(&search));
            if (!search.found)
                Sleep(1);
        }
        if (search.found)
            PostMessageA(search.found, WM_COMMAND, IDCANCEL, 0);
    }
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        std::fprintf(stderr, "%s did not end\n", program.c_str());
        std::exit(2);
    }
    const double elapsed = Now() - start;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_bench PAIRS PROGRAM.exe MINIMAL.exe [SAME_TEMPLATE.exe "
                             "[SAME_TEMPLATE_OPEN.exe]]\n");
        return 2;
    }
    const int pairs = std::max(1, std::atoi(argv[1]));
    const std::string program = argv[2], minimal = argv[3];
    const std::string sameTemplate = argc > 4 ? argv[4] : "";
    const std::string sameTemplateOpen = argc > 5 ? argv[5] : "";

    TimeRun(minimal, false); // warm the system's caches for each
    TimeRun(program, true);
    std::vector<double> programTimes, minimalTimes, templateTimes, openTemplateTimes;
    std::vector<double> ratios, templateRatios, ownCodeRatios;
    for (int i = 0; i < pairs; ++i) {
        const double a = TimeRun(minimal, false);
        const double b = TimeRun(program, true);
        minimalTimes.push_back(a);
        programTimes.push_back(b);
        ratios.push_back(b / a);
        if (!sameTemplate.empty()) {
            const double c = TimeRun(sameTemplate, false);
            templateTimes.push_back(c);
            templateRatios.push_back(c / a);
        }
        if (!sameTemplateOpen.empty()) {
            const double d = TimeRun(sameTemplateOpen, true);
            openTemplateTimes.push_back(d);
            ownCodeRatios.push_back(b / d);
        }
    }
    std::printf("start-up, %d pairs (minimal dialog, CorvalisConfig):\n", pairs);
    std::printf("  minimal dialog          median %.1f ms\n", Median(minimalTimes) * 1000);
    std::printf("  CorvalisConfig          median %.1f ms\n", Median(programTimes) * 1000);
    std::printf("  median ratio            %.3f (goal: at most 1.10)\n", Median(ratios));
    if (!templateTimes.empty()) {
        std::printf("  same template, no code  median %.1f ms\n", Median(templateTimes) * 1000);
        std::printf("  its ratio to minimal    %.3f (the template's own cost)\n", Median(templateRatios));
    }
    if (!openTemplateTimes.empty()) {
        std::printf("  same template, closed as the program is  median %.1f ms\n",
                    Median(openTemplateTimes) * 1000);
        std::printf("  CorvalisConfig's ratio to it             %.3f (the program's own code)\n",
                    Median(ownCodeRatios));
    }
    return 0;
}
