// Every message of the command line in English and in Chinese. gettext's catalogues would serve
// Linux, but the Windows program is built with no gettext; one table serves both, and a test
// holds each row to the same placeholders in both languages.

#include "language/messages.h"

namespace tessaly::language {

namespace {

using enum MessageId;

const std::vector<MessageTexts> kTable = {
    {kUsage,
     "usage: tessaly <command> [options]\n"
     "\n"
     "Applies the function menu of the editor add-in to exported Visual Basic modules\n"
     "(.bas, .cls, .frm; UTF-8 or GBK, line endings kept). FILE may be - for standard input.\n"
     "\n"
     "commands:\n"
     "  click CAPTION FILE [--line N] [--col C] [--to N2:C2] [--clipboard TEXT]\n"
     "        [--host vb6|vba] [-i] [--report FILE|-] [--encoding gbk|utf-8]\n"
     "        [--snippets DIR] [--then CAPTION]...\n"
     "                      click a menu caption with the caret at line N, column C\n"
     "                      (selection to N2:C2), then each --then caption in turn; the\n"
     "                      result goes to standard output, or back into FILE with -i.\n"
     "                      Your own snippets are clicked by their path: 我的代码/NAME\n"
     "  fmt [--check | --diff | -i] [--encoding gbk|utf-8] [--no-editorconfig]\n"
     "      [--style KEY=VALUE]... FILE...\n"
     "                      re-indent whole modules (\"代码缩进\") in the style of their\n"
     "                      .editorconfig; --check lists the files that would change,\n"
     "                      --diff shows the changes as a unified diff, and both exit 1\n"
     "                      if anything would change\n"
     "  annotate [-i] [--encoding gbk|utf-8] FILE...\n"
     "                      annotate every procedure in Chinese (\"代码注解\")\n"
     "  style [--no-editorconfig] [--style KEY=VALUE]... FILE...\n"
     "                      show the layout fmt gives each FILE, key by key, and where\n"
     "                      each value is set: an .editorconfig line, --style or default\n"
     "  menu [--snippets DIR]\n"
     "                      show the function menu as the bar shows it\n"
     "  about [--host vb6|vba] [--registry FILE] [--set SWITCH=0|1]...\n"
     "                      show the About form and change its four switches\n"
     "                      (功能菜单, 调整窗口, 多标签页, 鼠标滚轮), kept in FILE\n"
     "                      (default $XDG_CONFIG_HOME/tessaly/registry.reg)\n"
     "  demo [--host vb6|vba] [--registry FILE]\n"
     "                      start the simulated editor with the add-in and show its state\n"
     "  doctor [--fix]      (Windows) check that each editor can load the installed add-in,\n"
     "                      say what to do where it cannot, and exit 1; --fix mends what\n"
     "                      needs no administrator\n"
     "  --version, --help\n"
     "\n"
     "--encoding names the encoding of plain-ASCII files, which fit both (default gbk).\n"
     "--snippets names your snippet folder (default $XDG_CONFIG_HOME/tessaly/snippets); a\n"
     "project's are in the nearest .tessaly/snippets above FILE.\n"
     "TESSALY_LANG=en|zh chooses the language of these messages (default: the user's).\n",
     "用法：tessaly <命令> [选项]\n"
     "\n"
     "把编辑器插件的功能菜单用在导出的 Visual Basic 模块上\n"
     "（.bas、.cls、.frm；UTF-8 或 GBK，行尾保持原样）。FILE 写 - 表示标准输入。\n"
     "\n"
     "命令：\n"
     "  click CAPTION FILE [--line N] [--col C] [--to N2:C2] [--clipboard TEXT]\n"
     "        [--host vb6|vba] [-i] [--report FILE|-] [--encoding gbk|utf-8]\n"
     "        [--snippets DIR] [--then CAPTION]...\n"
     "                      光标放在第 N 行第 C 列（选区到 N2:C2），点击菜单项\n"
     "                      CAPTION，再依次点击每个 --then 菜单项；结果写到标准输出，\n"
     "                      加 -i 则写回 FILE。\n"
     "                      你自己的代码片段按路径点击：我的代码/NAME\n"
     "  fmt [--check | --diff | -i] [--encoding gbk|utf-8] [--no-editorconfig]\n"
     "      [--style KEY=VALUE]... FILE...\n"
     "                      按模块所在的 .editorconfig 风格重新缩进整个模块\n"
     "                      （“代码缩进”）；--check 列出会改变的文件，--diff 以统一\n"
     "                      差异格式显示改动，两者在有改动时都以 1 退出\n"
     "  annotate [-i] [--encoding gbk|utf-8] FILE...\n"
     "                      为每个过程加上中文注解（“代码注解”）\n"
     "  style [--no-editorconfig] [--style KEY=VALUE]... FILE...\n"
     "                      逐项显示 fmt 给每个 FILE 的排版，以及每个值的出处：\n"
     "                      .editorconfig 的某一行、--style 或默认值\n"
     "  menu [--snippets DIR]\n"
     "                      按工具栏的样子显示功能菜单\n"
     "  about [--host vb6|vba] [--registry FILE] [--set SWITCH=0|1]...\n"
     "                      显示“关于”窗体并更改它的四个开关\n"
     "                      （功能菜单、调整窗口、多标签页、鼠标滚轮），保存在 FILE 中\n"
     "                      （默认 $XDG_CONFIG_HOME/tessaly/registry.reg）\n"
     "  demo [--host vb6|vba] [--registry FILE]\n"
     "                      启动装有插件的模拟编辑器并显示其状态\n"
     "  doctor [--fix]      （Windows）检查每个编辑器能否加载已安装的插件，指出不能\n"
     "                      加载时该怎么做，并以 1 退出；--fix 修好无需管理员权限的问题\n"
     "  --version, --help\n"
     "\n"
     "--encoding 指定纯 ASCII 文件（两种编码都适用）的编码（默认 gbk）。\n"
     "--snippets 指定你的代码片段文件夹（默认 $XDG_CONFIG_HOME/tessaly/snippets）；\n"
     "项目自己的片段在 FILE 之上最近的 .tessaly/snippets 中。\n"
     "TESSALY_LANG=en|zh 选择这些提示的语言（默认跟随用户的语言）。\n"},
    {kNoCommand, "no command given (see tessaly --help)", "没有给出命令（见 tessaly --help）"},
    {kUnknownCommand, "unknown command '%s' (see tessaly --help)",
     "未知的命令“%s”（见 tessaly --help）"},
    {kOutOfMemory, "out of memory", "内存不足"},
    {kCannotWriteStandardOutput, "cannot write to standard output", "无法写入标准输出"},

    {kNeedsValue, "%s needs a value", "%s 需要一个值"},
    {kUnknownOption, "unknown option '%s'", "未知的选项“%s”"},
    {kWholeNumber, "%s takes a whole number from 1, not '%s'", "%s 需要从 1 起的整数，而不是“%s”"},
    {kEncodingValue, "--encoding takes gbk or utf-8, not '%s'",
     "--encoding 只能是 gbk 或 utf-8，而不是“%s”"},
    {kHostValue, "--host takes vb6 or vba, not '%s'", "--host 只能是 vb6 或 vba，而不是“%s”"},
    {kTakesFiles, "%s takes one or more FILEs", "%s 需要一个或多个 FILE（文件）"},
    {kTakesNoOperands, "%s takes no operands", "%s 不接受操作数"},
    {kClickOperands, "click takes a CAPTION and a FILE",
     "click 需要一个 CAPTION（菜单项）和一个 FILE（文件）"},
    {kDemoOperands, "demo takes no FILE, only --host", "demo 不接受 FILE，只接受 --host"},
    {kDoctorOperands, "doctor takes no operands, only --fix", "doctor 不接受操作数，只接受 --fix"},
    {kFormatModes, "fmt takes one of --check, --diff and -i",
     "fmt 的 --check、--diff 和 -i 只能选其一"},
    {kToValue, "--to takes LINE:COLUMN, not '%s'", "--to 需要“行:列”，而不是“%s”"},
    {kSetValue, "--set %s takes 0 or 1, not '%s'", "--set %s 只能是 0 或 1，而不是“%s”"},
    {kSetKey, "--set takes 功能菜单, 调整窗口, 多标签页 or 鼠标滚轮, not '%s'",
     "--set 只能设置功能菜单、调整窗口、多标签页或鼠标滚轮，而不是“%s”"},

    {kLinePastModule, "line %s is past the module's %s lines", "第 %s 行超出了模块的 %s 行"},
    {kColumnPastLine, "column %s is past the end of line %s (%s characters)",
     "第 %s 列超出了第 %s 行的末尾（该行 %s 个字符）"},
    {kReportIsTheModule, "--report '%s' names the module itself", "--report“%s”指的就是模块本身"},
    {kReportToStandardError, "cannot write the report to standard error", "无法把报告写到标准错误"},
    {kReportCannotBeWritten, "cannot write the report to '%s'", "无法把报告写到“%s”"},
    {kNoSuchCaption, "the function menu has no caption '%s' (see tessaly menu)",
     "功能菜单中没有“%s”这一项（见 tessaly menu）"},
    {kSelectionRefused, "the editor refuses that selection (%s)", "编辑器不接受这个选区（%s）"},

    {kCannotBeChangedHere, "%s cannot be changed in this editor", "%s 在这个编辑器中不能更改"},
    {kDemoEditor, "editor: %s %s (host mode %s)", "编辑器：%s %s（宿主模式 %s）"},
    {kDemoAddInsMenu, "Add-Ins menu:", "外接程序菜单："},
    {kDemoSwitches, "switches:", "开关："},
    {kDemoRegistration, "registration written:", "写入的注册信息："},
    {kNone, "(none)", "（无）"},
    {kDisabled, "[disabled]", "[不可用]"},
    {kDefaultOrigin, "default", "默认"},

    {kIsADirectory, "is a directory", "是一个文件夹"},
    {kNoSuchFile, "No such file or directory", "没有那个文件或目录"},
    {kNotADirectory, "Not a directory", "不是目录"},
    {kPermissionDenied, "Permission denied", "权限不够"},
    {kFileInUse, "the file is in use by another program", "文件正被另一个程序使用"},
    // The system's own words, already in the user's language on Windows.
    {kSystemReason, "%s", "%s"},
    {kLargerThanAModule, "larger than %s MiB, the most a module may hold",
     "大于 %s MiB，即一个模块最多能容纳的大小"},
    {kResultLargerInMebibytes, "the result would be larger than %s MiB, the most a module may hold",
     "结果将大于 %s MiB，即一个模块最多能容纳的大小"},
    {kResultLargerInBytes, "the result would be larger than %s bytes, the most a module may hold",
     "结果将大于 %s 字节，即一个模块最多能容纳的大小"},
    {kUnencodable, "line %s holds %s, which %s cannot represent", "第 %s 行含有 %s，%s 无法表示它"},
    {kStrayByte,
     "line %s: the stray byte %s would join the text after it into another character in %s",
     "第 %s 行：孤立的字节 %s 会与其后的文字合成 %s 中的另一个字符"},
    {kCodePage936, "code page 936", "代码页 936"},
    {kUtf8, "UTF-8", "UTF-8"},
    {kBinaryFile, "binary file: it holds a NUL byte, so it is no exported module",
     "二进制文件：其中含有 NUL 字节，所以不是导出的模块"},
    {kLineOf4GiB, "a line of 4 GiB or more", "有一行达到 4 GiB 或更长"},
    {kNoConfigFolder, "neither XDG_CONFIG_HOME nor HOME is set",
     "XDG_CONFIG_HOME 和 HOME 都没有设置"},
    {kNoConfigFolderForRegistry,
     "neither XDG_CONFIG_HOME nor HOME is set; name a file with --registry",
     "XDG_CONFIG_HOME 和 HOME 都没有设置；请用 --registry 指定一个文件"},
    {kNoAppDataFolder, "neither APPDATA nor USERPROFILE is set",
     "APPDATA 和 USERPROFILE 都没有设置"},
    {kNoAppDataFolderForRegistry,
     "neither APPDATA nor USERPROFILE is set; name a file with --registry",
     "APPDATA 和 USERPROFILE 都没有设置；请用 --registry 指定一个文件"},
    {kCannotLockBecause, "cannot lock %s: %s", "无法锁定 %s：%s"},
    {kCannotLock, "cannot lock %s", "无法锁定 %s"},

    {kCannotWriteBecause, "cannot write %s: %s", "无法写入 %s：%s"},
    {kCannotWriteAtStep, "cannot write %s: %s: %s", "无法写入 %s：%s：%s"},
    {kNoSpace, "No space left on device", "设备上没有空间"},
    {kStepFollowSymbolicLink, "cannot follow the symbolic link", "无法跟随符号链接"},
    {kStepFollowLink, "cannot follow the link", "无法跟随链接"},
    {kStepCreateTemporary, "cannot create a temporary file", "无法创建临时文件"},
    {kStepWrite, "write failed", "写入失败"},
    {kStepSetPermissions, "cannot set permissions", "无法设置权限"},
    {kStepReadPermissions, "cannot read its permissions", "无法读取其权限"},
    {kStepReadAttributes, "cannot read its attributes", "无法读取其属性"},
    {kStepFlush, "cannot flush to disk", "无法写入磁盘"},
    {kStepCloseTemporary, "cannot close the temporary file", "无法关闭临时文件"},
    {kStepReplace, "cannot replace it", "无法替换它"},
    {kNotARegularFile, "not a regular file", "不是普通文件"},
    {kReadOnly, "the file is read-only", "文件是只读的"},

    {kStyleCannotBeReadBecause, "cannot be read: %s", "无法读取：%s"},
    {kStyleNotAFile, "cannot be read: not a file", "无法读取：不是文件"},
    {kStyleCannotBeRead, "cannot be read", "无法读取"},
    {kStyleFileTooLarge, "larger than 1 MiB, not read", "大于 1 MiB，未读取"},
    {kStyleLineTooLong, "line longer than 4096 bytes", "该行超过 4096 字节"},
    {kStyleSectionUnclosed, "section without a closing ]", "节缺少结尾的 ]"},
    {kStyleNeitherKeyNorSection, "neither `key = value` nor a [section]",
     "既不是 `key = value` 也不是 [节]"},
    {kStyleTakesSize, "takes 1 to 16 or tab, not '%s'", "只能是 1 到 16 或 tab，而不是“%s”"},
    {kStyleTakesBoolean, "takes true or false, not '%s'", "只能是 true 或 false，而不是“%s”"},
    {kStyleTakesIndentStyle, "takes space or tab, not '%s'", "只能是 space 或 tab，而不是“%s”"},
    {kStyleTakesContinuation, "takes level or keep, not '%s'", "只能是 level 或 keep，而不是“%s”"},
    {kStyleOverrideForm, "takes KEY=VALUE, not '%s'", "需要 KEY=VALUE，而不是“%s”"},
    {kStyleNotAKey, "not a style key (%s)", "不是排版风格的键（%s）"},

    {kDoctorElsewhere,
     "doctor checks the add-in's installation on Windows (tessaly.exe doctor); there is none on "
     "this system",
     "doctor 检查的是 Windows 上的插件安装（tessaly.exe doctor）；这个系统上没有安装"},
    {kNothingToFix, "nothing that --fix may do: see below", "没有 --fix 可以做的事：见下文"},
    {kNoProblem, "no problem found: every editor can load the add-in",
     "没有发现问题：每个编辑器都能加载插件"},
    {kColumnEditor, "editor", "编辑器"},
    {kColumnClass, "class", "类"},
    {kColumnTypeLibrary, "type library", "类型库"},
    {kColumnAsAdmin, "as admin", "管理员运行"},
    {kColumnFile, "file", "文件"},
    {kMissing, "missing", "缺失"},
    {kIncomplete, "incomplete", "不完整"},
    {kPerUser, "per-user", "当前用户"},
    {kMachineWide, "machine-wide", "全机"},
    {kBoth, "both", "两处都有"},
    {kNotListed, "not listed", "未列出"},
    {kTurnedOff, "%s (off)", "%s（关闭）"},
    {kNotADll, "not a DLL", "不是 DLL"},
    {kYes, "yes", "是"},
    {kNo, "no", "否"},
    {kNotInstalled, "the add-in is not installed for this editor; %s",
     "这个编辑器没有安装插件；%s"},
    {kNotInAddInList, "the add-in is not in the editor's add-in list; %s",
     "插件不在编辑器的外接程序列表中；%s"},
    {kProblemAndAdvice, "%s; %s", "%s；%s"},
    {kRunFix, "run: tessaly doctor --fix", "请运行：tessaly doctor --fix"},
    {kLoadBehaviorMissing, "the add-in's LoadBehavior is missing", "插件的 LoadBehavior 缺失"},
    {kLoadBehaviorOff,
     "LoadBehavior is 0: the editor turned the add-in off, as it does when the add-in fails to "
     "load",
     "LoadBehavior 为 0：编辑器关闭了插件，插件加载失败时编辑器就会这样做"},
    {kLoadBehaviorOther, "LoadBehavior is %s, not 3 (loaded at start-up)",
     "LoadBehavior 为 %s，而不是 3（启动时加载）"},
    {kTheClass, "the class", "类"},
    {kTheProgId, "the ProgID", "ProgID"},
    {kTheTypeLibrary, "the type library", "类型库"},
    {kListSeparator, ", ", "、"},
    {kPartNotRegistered, "%s of the add-in is not registered for %s programs; %s",
     "插件的%s没有为%s程序注册；%s"},
    {kPartsNotRegistered, "%s of the add-in are not registered for %s programs; %s",
     "插件的%s没有为%s程序注册；%s"},
    {kBits32, "32-bit", " 32 位"},
    {kBits64, "64-bit", " 64 位"},
    {kRunsAsAdministrator,
     "%s is marked to run as administrator (%s), and an elevated editor does not read a per-user "
     "registration; install %s as administrator, or clear \"Run this program as an "
     "administrator\" for %s",
     "%s 被设为以管理员身份运行（%s），而以管理员身份运行的编辑器不读取当前用户的注册；"
     "请以管理员身份安装 %s，或者为 %s 取消“以管理员身份运行此程序”"},
    {kDllMissing, "%s does not exist; %s", "%s 不存在；%s"},
    {kNotAWindowsDll, "%s is not a Windows DLL; %s", "%s 不是 Windows DLL；%s"},
    {kDllOfOtherBits, "%s is a %s DLL, which a %s editor cannot load; %s",
     "%s 是%s DLL，%s编辑器无法加载它；%s"},
    {kDllOfOtherVersion, "%s is version %s, not %s as tessaly is; %s",
     "%s 的版本是 %s，而不是与 tessaly 相同的 %s；%s"},
    {kDllOfNoVersion, "%s is of no version, not %s as tessaly is; %s",
     "%s 没有版本号，而不是与 tessaly 相同的 %s；%s"},
    {kAdviceRegisterForUser, "run: tessaly doctor --fix (registers %s for this user)",
     "请运行：tessaly doctor --fix（为当前用户注册 %s）"},
    {kAdviceReinstallAllUsers, "install %s again, as administrator", "请以管理员身份重新安装 %s"},
    {kAdviceReinstallUser, "install %s again", "请重新安装 %s"},
    {kAdviceInstall, "install %s as administrator, or %s for this user alone",
     "请以管理员身份安装 %s，或者只为当前用户安装 %s"},
    {kCouldNotWrite, "could not write HKEY_CURRENT_USER\\%s", "无法写入 HKEY_CURRENT_USER\\%s"},
    {kWroteAddInKey, "wrote the editor's add-in key, LoadBehavior 3 (loaded at start-up)",
     "已写入编辑器的外接程序键，LoadBehavior 3（启动时加载）"},
    {kRegisteredForUser, "registered %s for %s programs, for this user",
     "已为当前用户注册 %s，供%s程序使用"},
};

}  // namespace

const std::vector<MessageTexts>& MessageTable() {
  return kTable;
}

}  // namespace tessaly::language
