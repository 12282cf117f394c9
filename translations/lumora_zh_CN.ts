<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BackupTexts</name>
    <message>
        <source>&quot;%1&quot; is not a radio backup: %2%3</source>
        <translation>“%1”不是对讲机备份：%2%3</translation>
    </message>
    <message>
        <source>the key &quot;format&quot; must be 1 or %1</source>
        <translation>键“format”必须为 1 或 %1</translation>
    </message>
    <message>
        <source>the key &quot;area&quot; must be &quot;radio&quot;</source>
        <translation>键“area”必须为“radio”</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is unknown</source>
        <translation>未知的键“%1”</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; must hold the %1 area</source>
        <translation>键“%1”必须包含 %1 区域</translation>
    </message>
    <message>
        <source>in &quot;%1&quot;, </source>
        <translation>在“%1”中，</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>无法打开文件“%1”。%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a radio backup: it is larger than 1 MiB</source>
        <translation>“%1”不是对讲机备份：文件大于 1 MiB</translation>
    </message>
</context>
<context>
    <name>CardTexts</name>
    <message>
        <source>(none)</source>
        <translation>（无）</translation>
    </message>
    <message>
        <source>on</source>
        <translation>开</translation>
    </message>
    <message>
        <source>off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>%1: %2 of %3 set</source>
        <translation>%1：%3 项中已设置 %2 项</translation>
    </message>
    <message>
        <source>Channel card of %1, made %2 by %3</source>
        <translation>%1 的信道卡，由 %3 于 %2 生成</translation>
    </message>
    <message>
        <source>Radio: &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>对讲机：&lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Channels in use: %1</source>
        <translation>使用中的信道：%1</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>无。</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Signalling</source>
        <translation>信令</translation>
    </message>
    <message>
        <source>Channel card: %1</source>
        <translation>信道卡：%1</translation>
    </message>
    <message>
        <source>Fleet roster: %1</source>
        <translation>批量写频名册：%1</translation>
    </message>
    <message>
        <source>1 radio, %1 programmed and verified; made %2 by LUMORA</source>
        <translation>共 1 台对讲机，其中 %1 台已写频并校验；由 LUMORA 于 %2 生成</translation>
    </message>
    <message>
        <source>%1 radios, %2 programmed and verified; made %3 by LUMORA</source>
        <translation>共 %1 台对讲机，其中 %2 台已写频并校验；由 LUMORA 于 %3 生成</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>对讲机</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>standard input: cannot be read</source>
        <translation>标准输入：无法读取</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>标准输入</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>标准输出</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. Permission denied</source>
        <translation>无法创建文件“%1”。权限不足</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. No such folder</source>
        <translation>无法创建文件“%1”。文件夹不存在</translation>
    </message>
    <message>
        <source>standard output: cannot be written (the JSON is incomplete)</source>
        <translation>标准输出：无法写入（JSON 不完整）</translation>
    </message>
    <message>
        <source>standard output: cannot be written</source>
        <translation>标准输出：无法写入</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1：无法写入：%2</translation>
    </message>
    <message>
        <source>the list of identities has run out: the run ends</source>
        <translation>身份列表已用完：本轮结束</translation>
    </message>
    <message>
        <source>No radio answered on %1 within %2: the run ends.</source>
        <translation>%2内 %1 上没有对讲机应答：本轮结束。</translation>
    </message>
    <message>
        <source>No further radio answered on %1 within %2: the run ends.</source>
        <translation>%2内 %1 上没有更多对讲机应答：本轮结束。</translation>
    </message>
    <message>
        <source>the run stops: the log &quot;%1&quot; no longer keeps what was given, so a further radio could get an identity twice</source>
        <translation>本轮停止：日志“%1”已无法记录已分配的身份，后面的对讲机可能得到重复的身份</translation>
    </message>
    <message>
        <source>Connect radio %1 to %2: it is programmed as soon as it answers.</source>
        <translation>请将第 %1 台对讲机连接到 %2：一旦应答即开始写频。</translation>
    </message>
    <message>
        <source>%1 of 1 radio written and verified</source>
        <translation>1 台对讲机中有 %1 台已写入并校验</translation>
    </message>
    <message>
        <source>%1 of %2 radios written and verified</source>
        <translation>%2 台对讲机中有 %1 台已写入并校验</translation>
    </message>
    <message>
        <source>there is no %1 area</source>
        <translation>没有 %1 区域</translation>
    </message>
    <message>
        <source>history is not being kept: %1</source>
        <translation>未保存历史记录：%1</translation>
    </message>
    <message>
        <source>the transfer did not finish within %1: no complete answer from the radio on %2</source>
        <translation>传输未在%1内完成：%2 上的对讲机没有给出完整应答</translation>
    </message>
    <message>
        <source>the radio now holds: %1</source>
        <translation>对讲机当前内容：%1</translation>
    </message>
    <message>
        <source>Verified: the radio holds what was written.</source>
        <translation>已校验：对讲机中的内容与写入的相同。</translation>
    </message>
    <message>
        <source>Nothing would change.</source>
        <translation>不会有任何改变。</translation>
    </message>
    <message>
        <source>1 field differs from what was written</source>
        <translation>有 1 个字段与写入的不同</translation>
    </message>
    <message>
        <source>%1 fields differ from what was written</source>
        <translation>有 %1 个字段与写入的不同</translation>
    </message>
    <message>
        <source>1 field would change</source>
        <translation>将有 1 个字段改变</translation>
    </message>
    <message>
        <source>%1 fields would change</source>
        <translation>将有 %1 个字段改变</translation>
    </message>
    <message>
        <source>the file&apos;s %1 texts were changed: what changed is written from the texts, everything else byte for byte</source>
        <translation>文件中的 %1 文本已被修改：修改之处按文本写入，其余内容逐字节写入</translation>
    </message>
    <message>
        <source>the file&apos;s %1 texts were changed: what changed is written from the texts, everything else byte for byte; of the radio&apos;s values the texts cannot carry:</source>
        <translation>文件中的 %1 文本已被修改：修改之处按文本写入，其余内容逐字节写入；文本无法表示的对讲机数值：</translation>
    </message>
    <message>
        <source>the radio holds 1 value the saved texts cannot write back as read (a backup keeps every byte):</source>
        <translation>对讲机中有 1 个数值无法按读取时的样子从保存的文本写回（备份会保留每个字节）：</translation>
    </message>
    <message>
        <source>the radio holds %1 values the saved texts cannot write back as read (a backup keeps every byte):</source>
        <translation>对讲机中有 %1 个数值无法按读取时的样子从保存的文本写回（备份会保留每个字节）：</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 秒</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>no</source>
        <translation>零</translation>
    </message>
    <message>
        <source>one</source>
        <translation>一</translation>
    </message>
    <message>
        <source>two</source>
        <translation>两</translation>
    </message>
    <message>
        <source>three</source>
        <translation>三</translation>
    </message>
    <message>
        <source>four</source>
        <translation>四</translation>
    </message>
    <message>
        <source>five</source>
        <translation>五</translation>
    </message>
    <message>
        <source>six</source>
        <translation>六</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>七</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>八</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>九</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>十</translation>
    </message>
    <message>
        <source>eleven</source>
        <translation>十一</translation>
    </message>
    <message>
        <source>twelve</source>
        <translation>十二</translation>
    </message>
    <message>
        <source>all %1 areas</source>
        <translation>全部%1个区域</translation>
    </message>
    <message>
        <source>backup needs --port DEV and --output FILE.json</source>
        <translation>backup 需要 --port DEV 和 --output FILE.json</translation>
    </message>
    <message>
        <source>restore needs --port DEV and one backup file</source>
        <translation>restore 需要 --port DEV 和一个备份文件</translation>
    </message>
    <message>
        <source>--%1 goes with %2</source>
        <translation>--%1 只能与 %2 一起使用</translation>
    </message>
    <message>
        <source>--%1 goes with %2 and %3</source>
        <translation>--%1 只能与 %2 和 %3 一起使用</translation>
    </message>
    <message>
        <source>%1 needs --port DEV and one channel file</source>
        <translation>%1 需要 --port DEV 和一个信道文件</translation>
    </message>
    <message>
        <source>%1 needs --port DEV and one settings file</source>
        <translation>%1 需要 --port DEV 和一个设置文件</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>未知命令“%1”</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;; did you mean &apos;%2&apos;?</source>
        <translation>未知命令“%1”；您是指“%2”吗？</translation>
    </message>
    <message>
        <source>%1 needs FILE.%2 and --output FILE.%3</source>
        <translation>%1 需要 FILE.%2 和 --output FILE.%3</translation>
    </message>
    <message>
        <source>--strict: rows were skipped, so no channel file was written</source>
        <translation>--strict：有行被跳过，因此未写入信道文件</translation>
    </message>
    <message>
        <source>fleet needs one of --keep-identity, --ids FILE.csv and --first-id N</source>
        <translation>fleet 需要 --keep-identity、--ids FILE.csv 和 --first-id N 之一</translation>
    </message>
    <message>
        <source>--first-id, --step, --wait and --count want whole numbers (--step and --wait above 0)</source>
        <translation>--first-id、--step、--wait 和 --count 需要整数（--step 和 --wait 须大于 0）</translation>
    </message>
    <message>
        <source>fleet needs --port DEV and one backup file as the template</source>
        <translation>fleet 需要 --port DEV 和一个作为模板的备份文件</translation>
    </message>
    <message>
        <source>history needs list, show SNAPSHOT, diff SNAPSHOT [SNAPSHOT|--port DEV], restore SNAPSHOT --port DEV or prune</source>
        <translation>history 需要 list、show SNAPSHOT、diff SNAPSHOT [SNAPSHOT|--port DEV]、restore SNAPSHOT --port DEV 或 prune</translation>
    </message>
    <message>
        <source>--radio goes with history list</source>
        <translation>--radio 只能与 history list 一起使用</translation>
    </message>
    <message>
        <source>Removed 1 snapshot from %1.</source>
        <translation>已从 %1 删除 1 个快照。</translation>
    </message>
    <message>
        <source>Removed %1 snapshots from %2.</source>
        <translation>已从 %2 删除 %1 个快照。</translation>
    </message>
    <message>
        <source>No difference.</source>
        <translation>没有差异。</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <translation>已损坏：%1</translation>
    </message>
    <message>
        <source>Snapshot: %1
Radio: %2
Time: %3
Port: %4
From: %5
Areas: %6
File: %7</source>
        <translation>快照：%1
对讲机：%2
时间：%3
端口：%4
来源：%5
区域：%6
文件：%7</translation>
    </message>
    <message>
        <source>print needs FILE.wh, BACKUP.json or FLEET-LOG.csv and --output FILE.pdf</source>
        <translation>print 需要 FILE.wh、BACKUP.json 或 FLEET-LOG.csv 以及 --output FILE.pdf</translation>
    </message>
    <message>
        <source>read needs --port DEV and --output FILE.%1</source>
        <translation>read 需要 --port DEV 和 --output FILE.%1</translation>
    </message>
    <message>
        <source>--plan-strict needs --plan PLAN</source>
        <translation>--plan-strict 需要 --plan PLAN</translation>
    </message>
    <message>
        <source>--plan goes with a channel file: the %1 area has no frequencies</source>
        <translation>--plan 只能用于信道文件：%1 区域没有频率</translation>
    </message>
    <message>
        <source>--%1 wants a whole number above 0</source>
        <translation>--%1 需要大于 0 的整数</translation>
    </message>
    <message>
        <source>--timeout wants a whole number of seconds</source>
        <translation>--timeout 需要整数秒数</translation>
    </message>
    <message>
        <source>Unplug the cable, then plug it in again (within 60 seconds).</source>
        <translation>请拔下写频线，然后重新插入（60 秒内）。</translation>
    </message>
    <message>
        <source>cannot write the trace file %1: %2</source>
        <translation>无法写入跟踪文件 %1：%2</translation>
    </message>
</context>
<context>
    <name>CliHelp</name>
    <message>
        <source>  backup              read {all areas} of the radio into one file
</source>
        <translation>  backup              将对讲机的{all areas}读入一个文件
</translation>
    </message>
    <message>
        <source>  restore             write such a file back, every area (checked and
                      encoded whole before the first byte is sent)
  --keep-identity     restore: read the radio&apos;s FleetSync own fleet and ID
                      and its DTMF ID code first and write them in place
                      of the file&apos;s
</source>
        <translation>  restore             将这样的文件写回，每个区域都写（发送第一个字节前
                      整体检查并编码）
  --keep-identity     restore：先读取对讲机的 FleetSync 本机车队号和 ID
                      以及 DTMF ID 码，并用它们替换文件中的
                      相应内容
</translation>
    </message>
    <message>
        <source>
Reads or writes the radio on the serial port DEV, exactly as the tool&apos;s
Read and Write buttons do, without opening a window.

</source>
        <translation>
读取或写入串口 DEV 上的对讲机，与本工具的“读取”和“写入”按钮
完全相同，但不打开窗口。

</translation>
    </message>
    <message>
        <source>main (the default, channel files .wh); the signalling areas %1 and %2, settings files in JSON</source>
        <translation>main（默认，信道文件 .wh）；信令区域 %1 和 %2，设置文件为 JSON</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>用法：</translation>
    </message>
    <message>
        <source>Options and files: lumora-cli --help.</source>
        <translation>选项和文件：lumora-cli --help。</translation>
    </message>
    <message>
        <source>Usage: lumora-cli COMMAND [AREA] [OPTIONS] [FILE]; see lumora-cli --help</source>
        <translation>用法：lumora-cli 命令 [区域] [选项] [文件]；参见 lumora-cli --help</translation>
    </message>
    <message>
        <source>See lumora-cli help %1.</source>
        <translation>参见 lumora-cli help %1。</translation>
    </message>
    <message>
        <source>  import-csv          make a channel file from a CHIRP CSV channel list;
                      the summary and every row not taken (with its line
                      and reason) go to standard error; status 0 when
                      every row was taken or skipped for a reason, 1 when
                      no row was taken
  --strict            import-csv: status 1, and no channel file, when any
                      row was skipped
</source>
        <translation>  import-csv          由 CHIRP CSV 信道列表生成信道文件；
                      摘要以及每一条未采用的行（附行号和原因）
                      输出到标准错误；每行都被采用或因故跳过时
                      状态为 0，没有任何行被采用时
                      状态为 1
  --strict            import-csv：只要有行被跳过，状态即为 1，
                      且不生成信道文件
</translation>
    </message>
    <message>
        <source>  export-csv          write the channels of a channel file as CHIRP CSV;
                      the summary goes to standard error
</source>
        <translation>  export-csv          将信道文件中的信道写成 CHIRP CSV；
                      摘要输出到标准错误
</translation>
    </message>
    <message>
        <source>  diff                read the radio and list, field by field, what writing
                      FILE would change: status 0 when nothing, 1 when
                      something would, 2 on an error
</source>
        <translation>  diff                读取对讲机，逐字段列出写入 FILE 将会改变的内容：
                      没有改变时状态为 0，有改变时为 1，
                      出错时为 2
</translation>
    </message>
    <message>
        <source>  fleet               program one radio after another on DEV from the
                      template (a backup file): wait for a radio to answer
                      (--wait seconds at most, default 60; then the run
                      ends), write {all areas} with the radio&apos;s identity,
                      read them back and compare, say one line, log it, and
                      wait for a radio that holds anything else (the one
                      just programmed may restart). A radio that fails is
                      reported and its identity goes to the next one. The
                      identity: --keep-identity (each keeps its own), --ids
                      FILE.csv (columns Fleet, ID, DTMF ID, one radio a
                      row), or --first-id N [--step S] (FleetSync IDs
                      counted up; --dtmf-id-follows: the DTMF ID code is
                      the ID too). --log FILE.csv gets a row a radio (time,
                      port, number, identity, result, differences); a run
                      started again with the same log goes on from it and
                      gives no identity twice; --count N ends the run
                      after N radios. Status 0 when every radio asked for
                      was written and verified, 1 when not (or the log
                      could not be written), 2 when the template, the list
                      or an option is refused before any radio
</source>
        <translation>  fleet               按模板（一个备份文件）在 DEV 上逐台为对讲机写频：
                      等待对讲机应答（最多 --wait 秒，默认 60；
                      超时则本轮结束），连同该机的身份写入{all areas}，
                      读回并比较，输出一行并记入日志，
                      然后等待内容不同的下一台对讲机
                      （刚写完的那台可能会重新启动）。
                      失败的对讲机会被报告，其身份交给下一台。
                      身份：--keep-identity（各机保留自己的身份），
                      --ids FILE.csv（列 Fleet、ID、DTMF ID，
                      每行一台对讲机），或 --first-id N
                      [--step S]（FleetSync ID 依次递增；
                      --dtmf-id-follows：DTMF ID 码也使用该 ID）。
                      --log FILE.csv 每台对讲机记一行（时间、端口、
                      序号、身份、结果、差异）；用同一日志再次运行时
                      从中接续，不会重复分配身份；--count N 在
                      N 台对讲机后结束本轮。所要求的每台对讲机
                      都已写入并校验时状态为 0，否则（或日志
                      无法写入时）为 1；若在处理任何对讲机之前
                      模板、列表或某个选项被拒绝，
                      状态为 2
</translation>
    </message>
    <message>
        <source>  history             the radio history: every image of a radio read, verified,
                      backed up, read back after a write, or read before a
                      restore or a fleet radio is written, one snapshot each
                      (SNAPSHOT: its id as &quot;list&quot; gives it, or its file).
                      list: newest first (--radio ID: one radio, by its
                      key or a value of its identity); show: every value;
                      diff: field by field against another snapshot or
                      the radio on DEV (0 when the same, 1 when not);
                      restore: written back, the radio read and kept first;
                      prune: what the bounds no longer keep, removed.
                      Errors exit with 2.
  --no-history        keep no snapshot of this run
  --keep-days DAYS, --keep-count N
                      keep every snapshot newer than DAYS (default 365)
                      and the last N of each radio (default 100), or as
                      set in the tool&apos;s &quot;Radio history...&quot; window
</source>
        <translation>  history             对讲机历史：每次读取、校验、备份、写入后读回，
                      或在恢复、批量写频写入前读取的对讲机映像，
                      各保存为一个快照
                      （SNAPSHOT：list 给出的 ID，或其文件）。
                      list：最新的在前（--radio ID：只列一台对讲机，
                      按其键或身份中的某个值）；show：每个数值；
                      diff：与另一快照或 DEV 上的对讲机逐字段比较
                      （相同为 0，不同为 1）；
                      restore：写回，写回前先读取并保存对讲机；
                      prune：删除超出保留范围的快照。
                      出错时退出状态为 2。
  --no-history        本次运行不保存快照
  --keep-days DAYS, --keep-count N
                      保留 DAYS 天内（默认 365）的所有快照
                      及每台对讲机最近 N 个（默认 100），或按
                      本工具“对讲机历史...”窗口中的设置
</translation>
    </message>
    <message>
        <source>  print               the channel card of a channel file or a backup (every
                      channel in use with all its fields, the options, and
                      for a backup the radio&apos;s identity and signalling
                      areas), or the roster of a fleet run&apos;s log (one row
                      a radio: number, identity, result, time); a PDF, or
                      HTML where --output ends in .html
  --page A4|Letter    print: the paper (default: Letter where the system&apos;s
                      locale measures in US units, else A4)
</source>
        <translation>  print               信道文件或备份的信道卡（每个使用中的信道
                      及其全部字段、选项，备份还包括对讲机的
                      身份和信令区域），或批量写频日志的名册
                      （每台对讲机一行：序号、身份、结果、时间）；
                      输出 PDF，--output 以 .html 结尾时
                      输出 HTML
  --page A4|Letter    print：纸张（默认：系统区域设置使用美国单位时
                      为 Letter，否则为 A4）
</translation>
    </message>
    <message>
        <source>  read                read the radio&apos;s main memory (16 channels and the
                      optional settings) and save it as a channel file, or
                      a signalling area and save it as a settings file
</source>
        <translation>  read                读取对讲机的主存储区（16 个信道和可选设置）
                      并保存为信道文件，或读取一个信令区域
                      并保存为设置文件
</translation>
    </message>
    <message>
        <source>  write               open a channel or settings file and write it to the
                      radio
  --verify            after a write, read the area back and list every
                      field whose bytes differ from what was written, with
                      the stored values where the texts look the same
                      (status 1)
  --plan PLAN         write: check the channels against a frequency plan
                      (iaru-r1, iaru-r2, iaru-r3, us-amateur, pmr446,
                      frs-gmrs, marine, or a plan file, .csv or .json);
                      every channel that does not fit it is listed on
                      standard error and the write goes on
  --plan-strict       write: a channel that does not fit the plan stops
                      the write before anything is sent (status 2)
</source>
        <translation>  write               打开信道文件或设置文件并写入
                      对讲机
  --verify            写入后读回该区域，列出字节与写入内容不同的
                      每个字段；文本看起来相同时附上
                      存储的数值
                      （状态为 1）
  --plan PLAN         write：按频率规划检查信道
                      （iaru-r1、iaru-r2、iaru-r3、us-amateur、pmr446、
                      frs-gmrs、marine，或规划文件 .csv 或 .json）；
                      不符合规划的每个信道都列在标准错误上，
                      写入继续进行
  --plan-strict       write：有信道不符合规划时，在发送任何内容之前
                      停止写入（状态为 2）
</translation>
    </message>
    <message>
        <source>  AREA                {areas}
  -p, --port DEV      the serial device, for example {port}
  -o, --output FILE   where a read is saved
  -t, --timeout SECONDS
                      give up a transfer not finished by then (default 60);
                      the radio protocol itself never times out
  --trace FILE        write every message on the line to FILE, one a line:
                      milliseconds, &gt; sent or &lt; received, the bytes in hex
                      (for a bug report; the virtual radio writes the same)
  --json              ports, doctor, diff, history list: one JSON document
                      on standard output (ports: name, description,
                      manufacturer, vendorId, productId, serialNumber;
                      doctor: port, description, state, radioAnswered,
                      text, and findings: trap, text; ports --find: name,
                      description; diff: area, text; history list: snapshot,
                      radio, fleet, id, dtmfId, time, port, origin, areas,
                      damaged, damage, file)
  FILE                &quot;-&quot; is standard input or standard output; an output
                      that is a pipe or a device (/dev/stdout) is written
                      straight through, a regular file is saved whole
  -h, --help          this text; &quot;lumora-cli help COMMAND&quot; or
                      &quot;lumora-cli COMMAND --help&quot; that command&apos;s
  --version           the program&apos;s name and version; with --verbose also
                      the Qt it runs on and the licences of its parts

Success messages (&quot;   Read Succeed!&quot;, &quot;Write Succeed!&quot;, &quot;WRITE SUCCEED!&quot;)
go to standard output, errors with their details to standard error. The exit status is 0
only on success.
</source>
        <translation>  AREA                {areas}
  -p, --port DEV      串口设备，例如 {port}
  -o, --output FILE   读取结果的保存位置
  -t, --timeout SECONDS
                      到时仍未完成的传输即放弃（默认 60）；
                      对讲机协议本身从不超时
  --trace FILE        把线路上的每条消息写入 FILE，每行一条：
                      毫秒数、&gt; 发送或 &lt; 接收、十六进制字节
                      （用于报告问题；虚拟对讲机写出同样的格式）
  --json              ports、doctor、diff、history list：在标准输出上
                      输出一个 JSON 文档（ports：name、description、
                      manufacturer、vendorId、productId、serialNumber；
                      doctor：port、description、state、radioAnswered、
                      text，以及 findings：trap、text；ports --find：
                      name、description；diff：area、text；history list：snapshot、
                      radio、fleet、id、dtmfId、time、port、origin、areas、
                      damaged、damage、file）
  FILE                &quot;-&quot; 表示标准输入或标准输出；管道或设备
                      （/dev/stdout）类的输出直接写出，
                      普通文件则整体保存
  -h, --help          本说明；&quot;lumora-cli help 命令&quot; 或
                      &quot;lumora-cli 命令 --help&quot; 显示该命令的说明
  --version           程序名称和版本；加 --verbose 时还显示
                      所运行的 Qt 及各组成部分的许可证

成功消息（“   读取成功！”、“写入成功！”）输出到标准输出，
错误及其详情输出到标准错误。仅在成功时退出状态为 0。

</translation>
    </message>
    <message>
        <source>  doctor              say for each serial port (or DEV) whether it opens,
                      and if not why (missing, permission denied, busy),
                      and whether a radio answers on it: status 0 only
                      when a radio answered; then the known traps met
                      (brltty, ModemManager, a counterfeit or driverless
                      cable chip) with their cures. --report FILE also
                      writes a diagnostic report for a bug report: the
                      versions, the system, the ports and their drivers,
                      these findings, the settings and this run&apos;s trace
</source>
        <translation>  doctor              对每个串口（或 DEV）说明能否打开，
                      不能时说明原因（不存在、权限不足、被占用），
                      以及是否有对讲机应答：仅当有对讲机应答时
                      状态为 0；随后列出遇到的已知陷阱
                      （brltty、ModemManager、仿冒或无驱动的
                      写频线芯片）及其解决办法。--report FILE 还会
                      写出一份用于报告问题的诊断报告：
                      版本、系统、端口及其驱动、
                      这些发现、设置和本次运行的跟踪记录
</translation>
    </message>
    <message>
        <source>  ports               list the serial ports, one a line
  ports --find        asks you to unplug the cable and plug it in again,
                      and prints the port that went away and came back
                      (or appeared); status 1 when none did within 60
                      seconds, with what was seen and the known traps
</source>
        <translation>  ports               列出串口，每行一个
  ports --find        请您拔下写频线再重新插入，
                      然后输出消失后又重新出现（或新出现）的端口；
                      60 秒内没有这样的端口时状态为 1，
                      并列出所见情况和已知陷阱
</translation>
    </message>
</context>
<context>
    <name>CodecTexts</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>“%1”不是有效的整数值</translation>
    </message>
    <message>
        <source>%1, row %2, column &quot;%3&quot;</source>
        <translation>%1，第 %2 行，“%3”列</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a standard name (CCIR, EIA, EEA, ZVEI1, ZVEI2)</source>
        <translation>“%1”不是标准名称（CCIR、EIA、EEA、ZVEI1、ZVEI2）</translation>
    </message>
    <message>
        <source>&apos;$%1&apos; is not a valid integer value</source>
        <translation>“$%1”不是有效的整数值</translation>
    </message>
</context>
<context>
    <name>ComparisonTexts</name>
    <message>
        <source>(empty)</source>
        <translation>（空）</translation>
    </message>
    <message>
        <source>written</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>now</source>
        <translation>当前</translation>
    </message>
    <message>
        <source>snapshot</source>
        <translation>快照</translation>
    </message>
    <message>
        <source>radio</source>
        <translation>对讲机</translation>
    </message>
    <message>
        <source>other</source>
        <translation>另一快照</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Channel %1,</source>
        <translation>信道 %1，</translation>
    </message>
    <message>
        <source>%1 %2: %3 %4, %5 %6</source>
        <translation>%1%2：%3 %4，%5 %6</translation>
    </message>
    <message>
        <source>%1 %2: %3 %4 (%5), %6 %7 (%8)</source>
        <translation>%1%2：%3 %4（%5），%6 %7（%8）</translation>
    </message>
    <message>
        <source>%1 byte d%2: %3 0x%4, %5 0x%6</source>
        <translation>%1字节 d%2：%3 0x%4，%5 0x%6</translation>
    </message>
    <message>
        <source>Options,</source>
        <translation>选项，</translation>
    </message>
</context>
<context>
    <name>CsvTexts</name>
    <message>
        <source>The CSV file cannot be read: line %1: %2</source>
        <translation>无法读取 CSV 文件：第 %1 行：%2</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number</source>
        <translation>%1“%2”不是数字</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a tone</source>
        <translation>%1“%2”不是亚音</translation>
    </message>
    <message>
        <source>the tone %1 Hz is not one the radio has</source>
        <translation>对讲机没有 %1 Hz 亚音</translation>
    </message>
    <message>
        <source>the tone %1 Hz is not one of the radio&apos;s standard tones; it is kept</source>
        <translation>%1 Hz 不是对讲机的标准亚音；已保留</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a DCS code</source>
        <translation>%1“%2”不是 DCS 码</translation>
    </message>
    <message>
        <source>the DCS code %1 is not one the radio has</source>
        <translation>对讲机没有 DCS 码 %1</translation>
    </message>
    <message>
        <source>1 channel imported.</source>
        <translation>已导入 1 个信道。</translation>
    </message>
    <message>
        <source>%1 channels imported.</source>
        <translation>已导入 %1 个信道。</translation>
    </message>
    <message>
        <source>
Not imported:
</source>
        <translation>
未导入：
</translation>
    </message>
    <message>
        <source>
Imported with a change:
</source>
        <translation>
导入时有改动：
</translation>
    </message>
    <message>
        <source>
Names and comments are not imported: the radio has no place for them.</source>
        <translation>
名称和备注未导入：对讲机没有存放它们的位置。</translation>
    </message>
    <message>
        <source>Duplex &quot;%1&quot; is not known</source>
        <translation>未知的 Duplex“%1”</translation>
    </message>
    <message>
        <source>mode %1 is not FM or NFM</source>
        <translation>模式 %1 不是 FM 或 NFM</translation>
    </message>
    <message>
        <source>the frequency %1 MHz is out of the radio&apos;s range</source>
        <translation>频率 %1 MHz 超出对讲机的范围</translation>
    </message>
    <message>
        <source>the transmit frequency %1 MHz is out of the radio&apos;s range</source>
        <translation>发射频率 %1 MHz 超出对讲机的范围</translation>
    </message>
    <message>
        <source>CrossMode &quot;%1&quot; is not known</source>
        <translation>未知的 CrossMode“%1”</translation>
    </message>
    <message>
        <source>Tone &quot;%1&quot; is not known</source>
        <translation>未知的 Tone“%1”</translation>
    </message>
    <message>
        <source>the step %1 kHz is not one the radio has; it takes %2 kHz</source>
        <translation>对讲机没有 %1 kHz 步进；改用 %2 kHz</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>there is no %1 column</source>
        <translation>没有 %1 列</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>Location %1 (line %2): %3</source>
        <translation>位置 %1（第 %2 行）：%3</translation>
    </message>
    <message>
        <source>the radio has channels 1 to %1 only</source>
        <translation>对讲机只有信道 1 到 %1</translation>
    </message>
    <message>
        <source>channel %1 is already taken by an earlier row</source>
        <translation>信道 %1 已被前面的行占用</translation>
    </message>
    <message>
        <source>Location %1: %2</source>
        <translation>位置 %1：%2</translation>
    </message>
    <message>
        <source>1 channel exported.</source>
        <translation>已导出 1 个信道。</translation>
    </message>
    <message>
        <source>%1 channels exported.</source>
        <translation>已导出 %1 个信道。</translation>
    </message>
    <message>
        <source>Channel %1: CHIRP has no %2 Hz tone and will not load the row.</source>
        <translation>信道 %1：CHIRP 没有 %2 Hz 亚音，不会载入该行。</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>带引号的字段没有闭合</translation>
    </message>
</context>
<context>
    <name>DialogTexts</name>
    <message>
        <source>&amp;Licences...</source>
        <translation>许可证(&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>写入(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Read first</source>
        <translation>先读取(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>放弃(&amp;D)</translation>
    </message>
    <message>
        <source>
Your user may not use this serial port: it must be in the group that owns the device, usually &quot;dialout&quot; (then log in again).</source>
        <translation>
您的用户无权使用此串口：用户必须属于拥有该设备的组，通常是“dialout”（加入后请重新登录）。</translation>
    </message>
    <message>
        <source>
Another program has the port open.</source>
        <translation>
另一个程序已打开该端口。</translation>
    </message>
</context>
<context>
    <name>FileTexts</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. A text holds a character that the channel files&apos; encoding (GBK) has no code for</source>
        <translation>无法创建文件“%1”。某个文本含有信道文件编码（GBK）无法表示的字符</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a channel file: %2</source>
        <translation>“%1”不是信道文件：%2</translation>
    </message>
    <message>
        <source>This Qt has no GBK text converter (it needs Qt built with ICU). Channel files are kept in GBK, so LUMORA cannot read or write them</source>
        <translation>此 Qt 没有 GBK 文本转换器（需要带 ICU 构建的 Qt）。信道文件以 GBK 保存，因此 LUMORA 无法读写它们</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>无法打开文件“%1”。%2</translation>
    </message>
    <message>
        <source>it is larger than 64 KiB</source>
        <translation>文件大于 64 KiB</translation>
    </message>
    <message>
        <source>it is not text in the channel files&apos; encoding (GBK)</source>
        <translation>它不是信道文件编码（GBK）的文本</translation>
    </message>
    <message>
        <source>it has 1 line, and a channel file has %1</source>
        <translation>它只有 1 行，而信道文件有 %1 行</translation>
    </message>
    <message>
        <source>it has %1 lines, and a channel file has %2</source>
        <translation>它有 %1 行，而信道文件有 %2 行</translation>
    </message>
    <message>
        <source>line %1 has a quote that is not closed</source>
        <translation>第 %1 行有未闭合的引号</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>无法创建文件“%1”。%2</translation>
    </message>
    <message>
        <source>Only %1 of its 1 byte could be written: the disk may be full.</source>
        <translation>1 个字节中只写入了 %1 个：磁盘可能已满。</translation>
    </message>
    <message>
        <source>Only %1 of its %2 bytes could be written: the disk may be full.</source>
        <translation>%2 个字节中只写入了 %1 个：磁盘可能已满。</translation>
    </message>
</context>
<context>
    <name>FleetTexts</name>
    <message>
        <source>the radio cannot hold %1 &quot;%2&quot;: it takes a whole number from 0 to %3</source>
        <translation>对讲机无法存储 %1“%2”：它只接受 0 到 %3 的整数</translation>
    </message>
    <message>
        <source>the radio cannot hold DTMF ID &quot;%1&quot;: it takes up to %2 of %3, not all D</source>
        <translation>对讲机无法存储 DTMF ID“%1”：它最多接受 %2 个 %3 中的字符，且不能全为 D</translation>
    </message>
    <message>
        <source>The list of identities cannot be read: line 1: it needs the columns Fleet, ID and DTMF ID</source>
        <translation>无法读取身份列表：第 1 行：需要 Fleet、ID 和 DTMF ID 列</translation>
    </message>
    <message>
        <source>The list of identities cannot be read: line %1: %2</source>
        <translation>无法读取身份列表：第 %1 行：%2</translation>
    </message>
    <message>
        <source>The list of identities cannot be read: line %1: the radio stores it as line %2 (Fleet %3, ID %4, DTMF ID %5)</source>
        <translation>无法读取身份列表：第 %1 行：对讲机存储的结果与第 %2 行相同（Fleet %3，ID %4，DTMF ID %5）</translation>
    </message>
    <message>
        <source>The first ID %1 is not one the radio holds: it takes 0 to %2</source>
        <translation>对讲机无法存储起始 ID %1：它只接受 0 到 %2</translation>
    </message>
    <message>
        <source>The step %1 does not count upwards: it takes 1 or more</source>
        <translation>步长 %1 无法递增：必须为 1 或更大</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>无法写入文件“%1”。%2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>无法打开文件“%1”。%2</translation>
    </message>
    <message>
        <source>The fleet log &quot;%1&quot; is read as far as its rows are whole: line %2 is cut short and not taken (check the radio it may name)</source>
        <translation>批量写频日志“%1”只读取到完整的行为止：第 %2 行不完整，未采用（请检查其中可能提到的对讲机）</translation>
    </message>
    <message>
        <source>The fleet log &quot;%1&quot; is read as far as its rows are whole: lines %2 are cut short and not taken (check the radios they may name)</source>
        <translation>批量写频日志“%1”只读取到完整的行为止：第 %2 行不完整，未采用（请检查其中可能提到的对讲机）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no fleet log: its first line is not %2</source>
        <translation>“%1”不是批量写频日志：其第一行不是 %2</translation>
    </message>
</context>
<context>
    <name>FrameTexts</name>
    <message>
        <source>Options: the texts the radio&apos;s bytes show do not convert (%1); a write keeps the radio&apos;s bytes while they are unchanged</source>
        <translation>选项：对讲机字节所显示的文本无法转换（%1）；只要它们未被修改，写入时保留对讲机的字节</translation>
    </message>
    <message>
        <source>Channel %1: the texts the radio&apos;s bytes show do not convert (%2); a write keeps the radio&apos;s bytes while it is unchanged</source>
        <translation>信道 %1：对讲机字节所显示的文本无法转换（%2）；只要它未被修改，写入时保留对讲机的字节</translation>
    </message>
    <message>
        <source>a write of the table sends</source>
        <translation>写入表格将发送</translation>
    </message>
    <message>
        <source>the radio holds</source>
        <translation>对讲机中为</translation>
    </message>
</context>
<context>
    <name>HistoryOrigins</name>
    <message>
        <source>before %1</source>
        <translation>%1 之前</translation>
    </message>
    <message>
        <source>read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>verify</source>
        <translation>校验</translation>
    </message>
    <message>
        <source>read back after write</source>
        <translation>写入后读回</translation>
    </message>
    <message>
        <source>backup</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>diff</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>undo of the last write</source>
        <translation>撤销上次写入</translation>
    </message>
    <message>
        <source>restore of the snapshot %1</source>
        <translation>恢复快照 %1</translation>
    </message>
    <message>
        <source>restore of %1</source>
        <translation>恢复 %1</translation>
    </message>
    <message>
        <source>fleet run, radio %1</source>
        <translation>批量写频，第 %1 台</translation>
    </message>
    <message>
        <source>diff with %1</source>
        <translation>与 %1 比较</translation>
    </message>
</context>
<context>
    <name>HistoryTexts</name>
    <message>
        <source>nothing was written in this run</source>
        <translation>本次运行没有写入任何内容</translation>
    </message>
    <message>
        <source>the radio on %1 is %2, and the write went to %3</source>
        <translation>%1 上的对讲机是 %2，而写入的是 %3</translation>
    </message>
    <message>
        <source>the radio on %1 does not hold what the last write sent to it</source>
        <translation>%1 上的对讲机中的内容与上次写入的不同</translation>
    </message>
    <message>
        <source>a radio never identified</source>
        <translation>从未识别的对讲机</translation>
    </message>
    <message>
        <source>a radio on %1 never identified</source>
        <translation>%1 上从未识别的对讲机</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>信道 %1</translation>
    </message>
    <message>
        <source>%1 row %2</source>
        <translation>%1 第 %2 行</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>（空）</translation>
    </message>
    <message>
        <source>checked</source>
        <translation>已勾选</translation>
    </message>
    <message>
        <source>unchecked</source>
        <translation>未勾选</translation>
    </message>
    <message>
        <source>%1, block %2, byte d%3: %4 0x%5, %6 0x%7</source>
        <translation>%1，块 %2，字节 d%3：%4 0x%5，%6 0x%7</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be made</source>
        <translation>无法创建文件夹“%1”</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>文件大于 1 MiB</translation>
    </message>
    <message>
        <source>it is not JSON (%1 at byte %2)</source>
        <translation>它不是 JSON（第 %2 字节处：%1）</translation>
    </message>
    <message>
        <source>it is no snapshot of a radio</source>
        <translation>它不是对讲机快照</translation>
    </message>
    <message>
        <source>it says no time or holds no area</source>
        <translation>它没有时间或不含任何区域</translation>
    </message>
    <message>
        <source>There is no snapshot &quot;%1&quot; in the radio history (%2).</source>
        <translation>对讲机历史（%2）中没有快照“%1”。</translation>
    </message>
    <message>
        <source>The snapshot &quot;%1&quot; is damaged: %2. Nothing of it was taken.</source>
        <translation>快照“%1”已损坏：%2。未采用其中任何内容。</translation>
    </message>
</context>
<context>
    <name>LicencesDialog</name>
    <message>
        <source>: licences</source>
        <translation>：许可证</translation>
    </message>
</context>
<context>
    <name>LumoraHelp</name>
    <message>
        <source>one file at most</source>
        <translation>最多只能打开一个文件</translation>
    </message>
    <message>
        <source>no palette &quot;%1&quot;: %2</source>
        <translation>没有配色方案“%1”：%2</translation>
    </message>
    <message>
        <source>Usage: lumora [--port DEV] [--trace FILE] [FILE.wh]

Programs the radio: reads its 16 channels and options into a table, edits
them, writes them back, keeps channel sets as .wh files, and edits the
DTMF, 2TONE, 5TONE and FleetSync settings.

  FILE.wh      open this channel file
  --port DEV   choose the serial port DEV, listed by the system or not
  --palette NAME
               the windows&apos; colours: light, dark or high-contrast (the
               desktop&apos;s colour scheme otherwise)
  --trace FILE write every message on the line to FILE, one a line:
               milliseconds, &gt; sent or &lt; received, the bytes in hex (for
               a bug report; Help &gt; Save diagnostic report... keeps the
               last transfer&apos;s too)
  --no-history keep no snapshot of the radio this run (File &gt; Radio
               history... keeps one of every image read, in the user&apos;s
               data folder, unless told not to there)
  --help       this text
  --version    the program&apos;s name and version (with --verbose also the Qt
               it runs on and the licences of the parts it is built from)

A single argument that is no channel file (a device such as %1)
is taken as the port, as before. %2 does the same transfers
without a window.
</source>
        <translation>用法：lumora [--port DEV] [--trace FILE] [FILE.wh]

为对讲机写频：将其 16 个信道和选项读入表格，编辑后写回，
把信道组保存为 .wh 文件，并编辑 DTMF、2TONE、5TONE 和
FleetSync 设置。

  FILE.wh      打开此信道文件
  --port DEV   选择串口 DEV，无论系统是否列出
  --palette NAME
               窗口配色：light、dark 或 high-contrast
               （否则跟随桌面的配色方案）
  --trace FILE 把线路上的每条消息写入 FILE，每行一条：
               毫秒数、&gt; 发送或 &lt; 接收、十六进制字节（用于
               报告问题；“帮助”&gt;“保存诊断报告...”也会保存
               最后一次传输的记录）
  --no-history 本次运行不保存对讲机快照（“文件”&gt;“对讲机
               历史...”会在用户数据文件夹中保存每次读取的
               映像，除非在那里关闭）
  --help       本说明
  --version    程序名称和版本（加 --verbose 时还显示所运行的
               Qt 及所用组成部分的许可证）

单个参数若不是信道文件（例如设备 %1），
则与以前一样视为端口。%2 不打开窗口，
执行相同的传输。
</translation>
    </message>
    <message>
        <source>cannot write the trace file %1: %2</source>
        <translation>无法写入跟踪文件 %1：%2</translation>
    </message>
</context>
<context>
    <name>PlanTexts</name>
    <message>
        <source>%1 MHz</source>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>%1 to %2 MHz</source>
        <translation>%1 至 %2 MHz</translation>
    </message>
    <message>
        <source>%1 frequencies and ranges between %2 and %3 MHz</source>
        <translation>%2 至 %3 MHz 之间的 %1 个频率和频段</translation>
    </message>
    <message>
        <source>%1 is in %2 (plan &quot;%3&quot;)</source>
        <translation>%1 位于%2（规划“%3”）</translation>
    </message>
    <message>
        <source>a range the plan forbids</source>
        <translation>规划禁止的频段</translation>
    </message>
    <message>
        <source>%1 is outside the plan &quot;%2&quot;, which allows %3</source>
        <translation>%1 超出规划“%2”，该规划允许 %3</translation>
    </message>
    <message>
        <source>W/N WIDE is wider than the plan &quot;%1&quot; allows at %2 MHz (NARROW)</source>
        <translation>W/N WIDE 超出规划“%1”在 %2 MHz 允许的带宽（NARROW）</translation>
    </message>
    <message>
        <source>TX Power HIGH is more than the plan &quot;%1&quot; allows at %2 MHz (LOW)</source>
        <translation>TX Power HIGH 超出规划“%1”在 %2 MHz 允许的功率（LOW）</translation>
    </message>
    <message>
        <source>Channel %1: %2</source>
        <translation>信道 %1：%2</translation>
    </message>
    <message>
        <source>1 channel does not fit the frequency plan &quot;%1&quot;</source>
        <translation>有 1 个信道不符合频率规划“%1”</translation>
    </message>
    <message>
        <source>%1 channels do not fit the frequency plan &quot;%2&quot;</source>
        <translation>有 %1 个信道不符合频率规划“%2”</translation>
    </message>
    <message>
        <source>The frequency plan &quot;%1&quot; cannot be used: line %2: %3</source>
        <translation>无法使用频率规划“%1”：第 %2 行：%3</translation>
    </message>
    <message>
        <source>from &quot;%1&quot; is not a frequency in MHz with up to five decimals</source>
        <translation>from“%1”不是最多五位小数的 MHz 频率</translation>
    </message>
    <message>
        <source>to &quot;%1&quot; is not a frequency in MHz with up to five decimals</source>
        <translation>to“%1”不是最多五位小数的 MHz 频率</translation>
    </message>
    <message>
        <source>the range %1 to %2 MHz ends below its start</source>
        <translation>频段 %1 至 %2 MHz 的终点低于起点</translation>
    </message>
    <message>
        <source>bandwidth &quot;%1&quot; is none of NARROW (12.5), WIDE (25) or empty</source>
        <translation>bandwidth“%1”不是 NARROW (12.5)、WIDE (25) 或空</translation>
    </message>
    <message>
        <source>power &quot;%1&quot; is none of LOW, HIGH or empty</source>
        <translation>power“%1”不是 LOW、HIGH 或空</translation>
    </message>
    <message>
        <source>use &quot;%1&quot; is none of allowed, forbidden or empty</source>
        <translation>use“%1”不是 allowed、forbidden 或空</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;; a range has %2</source>
        <translation>未知的键“%1”；频段包含 %2</translation>
    </message>
    <message>
        <source>no header line (from,to,bandwidth,power,use,note)</source>
        <translation>没有标题行（from,to,bandwidth,power,use,note）</translation>
    </message>
    <message>
        <source>unknown column &quot;%1&quot;; the columns are %2</source>
        <translation>未知的列“%1”；列为 %2</translation>
    </message>
    <message>
        <source>the column &quot;%1&quot; twice</source>
        <translation>列“%1”出现了两次</translation>
    </message>
    <message>
        <source>no column &quot;from&quot;</source>
        <translation>没有“from”列</translation>
    </message>
    <message>
        <source>%1 fields, the header has %2</source>
        <translation>有 %1 个字段，而标题行有 %2 个</translation>
    </message>
    <message>
        <source>no JSON: %1</source>
        <translation>不是 JSON：%1</translation>
    </message>
    <message>
        <source>not one JSON object with &quot;ranges&quot;</source>
        <translation>不是一个含“ranges”的 JSON 对象</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;; a plan has name and ranges</source>
        <translation>未知的键“%1”；规划包含 name 和 ranges</translation>
    </message>
    <message>
        <source>no array &quot;ranges&quot;</source>
        <translation>没有数组“ranges”</translation>
    </message>
    <message>
        <source>range %1 is not an object</source>
        <translation>频段 %1 不是对象</translation>
    </message>
    <message>
        <source>no frequency or range</source>
        <translation>没有频率或频段</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>无法打开文件“%1”。%2</translation>
    </message>
</context>
<context>
    <name>PortTexts</name>
    <message>
        <source>No serial port was found. Plug the programming cable in; a USB cable shows up as a COM port (COM3, for example) in Device Manager.</source>
        <translation>未找到串口。请插入写频线；USB 写频线在设备管理器中显示为 COM 端口（例如 COM3）。</translation>
    </message>
    <message>
        <source>No serial port was found. Plug the programming cable in; a USB cable shows up as /dev/ttyUSB0 or /dev/ttyACM0.</source>
        <translation>未找到串口。请插入写频线；USB 写频线显示为 /dev/ttyUSB0 或 /dev/ttyACM0。</translation>
    </message>
    <message>
        <source>%1: opens, and a radio answered.</source>
        <translation>%1：可以打开，且有对讲机应答。</translation>
    </message>
    <message>
        <source>%1: opens, but no radio answered. Check that the radio is switched on and the cable is pushed fully into its socket.</source>
        <translation>%1：可以打开，但没有对讲机应答。请检查对讲机已开机，且写频线已完全插入插孔。</translation>
    </message>
    <message>
        <source>Error opening serial port</source>
        <translation>打开串口出错</translation>
    </message>
    <message>
        <source>File handle is not a comm handle </source>
        <translation>文件句柄不是串口句柄 </translation>
    </message>
    <message>
        <source>Cannot setup comm buffer</source>
        <translation>无法设置串口缓冲区</translation>
    </message>
    <message>
        <source>Unable to create event</source>
        <translation>无法创建事件</translation>
    </message>
    <message>
        <source>Unable to create read thread</source>
        <translation>无法创建读线程</translation>
    </message>
    <message>
        <source>Unable to create write thread</source>
        <translation>无法创建写线程</translation>
    </message>
    <message>
        <source>This serial port already opened</source>
        <translation>此串口已经打开</translation>
    </message>
    <message>
        <source>%1: missing. There is no such device. Plug the cable in (a USB cable makes its device only while it is plugged in), or choose another port.</source>
        <translation>%1：不存在。没有这个设备。请插入写频线（USB 写频线只在插入时才有对应设备），或选择其他端口。</translation>
    </message>
    <message>
        <source>%1: permission denied. </source>
        <translation>%1：权限不足。</translation>
    </message>
    <message>
        <source>The device does not let even its group &quot;%1&quot; read and write it; ask whoever set up this machine to give that group access.</source>
        <translation>该设备连其所属组“%1”也不允许读写；请让这台计算机的管理员给该组授予权限。</translation>
    </message>
    <message>
        <source>The device belongs to the group &quot;%1&quot;, and you (%2) are not in it. Add yourself with
    sudo usermod -aG %1 %2
then log out and log in again: the group counts only from your next login. For a USB cable, LUMORA&apos;s udev rule (60-lumora-cables.rules, which its package installs) lets whoever is logged in open it: plug the cable in again once it is there.</source>
        <translation>该设备属于组“%1”，而您（%2）不在该组中。请用以下命令加入：
    sudo usermod -aG %1 %2
然后注销并重新登录：组成员身份从下次登录起才生效。对于 USB 写频线，LUMORA 的 udev 规则（60-lumora-cables.rules，随软件包安装）允许当前登录的用户打开它：规则就位后请重新插拔写频线。</translation>
    </message>
    <message>
        <source>You (%2) are in the group &quot;%1&quot; that owns the device, but this login began before you were added. Log out and log in again.</source>
        <translation>您（%2）属于拥有该设备的组“%1”，但本次登录早于加入该组的时间。请注销并重新登录。</translation>
    </message>
    <message>
        <source>You (%2) are in its group &quot;%1&quot;, yet the system refused: a security policy may keep this program from serial devices.</source>
        <translation>您（%2）属于其所属组“%1”，但系统仍然拒绝：可能有安全策略禁止本程序访问串口设备。</translation>
    </message>
    <message>
        <source>%1: busy. </source>
        <translation>%1：被占用。</translation>
    </message>
    <message>
        <source>Another program has it open; which one could not be found (it may belong to another user). Close the other program and try again.</source>
        <translation>另一个程序已打开它；无法查出是哪个程序（可能属于其他用户）。请关闭该程序后重试。</translation>
    </message>
    <message>
        <source>%1 has it open. Two programs on one cable garble each other: close it and try again.</source>
        <translation>%1 已打开它。两个程序同时使用一根写频线会互相干扰：请关闭该程序后重试。</translation>
    </message>
    <message>
        <source>%1 have it open. Two programs on one cable garble each other: close them and try again.</source>
        <translation>%1 已打开它。两个程序同时使用一根写频线会互相干扰：请关闭这些程序后重试。</translation>
    </message>
    <message>
        <source> ModemManager tries every new serial device as a modem; stop it with
    sudo systemctl stop ModemManager
LUMORA&apos;s udev rule (60-lumora-cables.rules) keeps it away from the usual cable chips for good.</source>
        <translation>ModemManager 会把每个新串口设备当作调制解调器试探；可用以下命令停止它：
    sudo systemctl stop ModemManager
LUMORA 的 udev 规则（60-lumora-cables.rules）会让它永久避开常见的写频线芯片。</translation>
    </message>
    <message>
        <source> brltty takes some USB serial chips for Braille displays; if you use none, remove it with
    sudo apt remove brltty</source>
        <translation>brltty 会把某些 USB 串口芯片当作盲文显示器；如果您不使用盲文显示器，可用以下命令删除它：
    sudo apt remove brltty</translation>
    </message>
    <message>
        <source>a program</source>
        <translation>某个程序</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1（进程 %2）</translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2.</source>
        <translation>%1：无法打开：%2。</translation>
    </message>
    <message>
        <source>%1: is no serial device (it is not a character device).</source>
        <translation>%1：不是串口设备（不是字符设备）。</translation>
    </message>
    <message>
        <source>%1: busy. Another program has it open (Windows gives a port to one program at a time). Close the other program and try again.</source>
        <translation>%1：被占用。另一个程序已打开它（Windows 同一时间只允许一个程序使用端口）。请关闭该程序后重试。</translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2</source>
        <translation>%1：无法打开：%2</translation>
    </message>
    <message>
        <source>%1: opens, but it only echoes what LUMORA sends, and no radio answered. The cable joins its send and receive lines, as cables for radios with one data wire do: check that the radio is switched on and the cable pushed fully into its socket, and that the cable is the one made for this radio.</source>
        <translation>%1：可以打开，但它只是回送 LUMORA 发出的内容，没有对讲机应答。这根写频线把发送线和接收线连在一起，单数据线对讲机的写频线就是这样：请检查对讲机已开机、写频线已完全插入插孔，并且写频线是为这款对讲机制作的。</translation>
    </message>
    <message>
        <source>%1: opens, but what answered is not this radio (it sent %2 where this radio sends 06). The cable may be wired for another radio, or the radio is another model: use the cable made for this radio.</source>
        <translation>%1：可以打开，但应答的不是这款对讲机（它发来 %2，而这款对讲机应发 06）。写频线可能是为其他对讲机接线的，或者对讲机是其他型号：请使用为这款对讲机制作的写频线。</translation>
    </message>
    <message>
        <source> The line had framing or parity errors: what came was sent at another speed than 9600 baud (another radio model, or another program&apos;s setting), or the cable is bad or loose.</source>
        <translation>线路上出现了帧错误或校验错误：收到的数据是以 9600 波特以外的速率发送的（其他型号的对讲机，或其他程序的设置），或者写频线损坏或松动。</translation>
    </message>
    <message>
        <source> It is a pseudo-terminal that %1 made: it lasts only while that program runs.</source>
        <translation>它是 %1 创建的伪终端：只在该程序运行期间存在。</translation>
    </message>
    <message>
        <source>%1 went away</source>
        <translation>%1 消失了</translation>
    </message>
    <message>
        <source>%1 appeared and vanished again at once</source>
        <translation>%1 出现后又立即消失</translation>
    </message>
    <message>
        <source>%1 came back</source>
        <translation>%1 重新出现</translation>
    </message>
    <message>
        <source>%1 appeared</source>
        <translation>%1 出现了</translation>
    </message>
    <message>
        <source>A CH340 cable (USB 1a86:7523) is plugged in but has no port: brltty, the driver for Braille displays, takes this chip for one and keeps it, so its port vanishes a moment after it appears. If you use no Braille display, remove it with
    sudo apt remove brltty
else keep it from this cable with
    sudo systemctl mask brltty-udev.service
then plug the cable in again.</source>
        <translation>已插入一根 CH340 写频线（USB 1a86:7523），但它没有端口：盲文显示器驱动 brltty 把这种芯片当作盲文显示器占用了，所以端口出现片刻后就会消失。如果您不使用盲文显示器，请用以下命令卸载它：
    sudo apt remove brltty
否则用以下命令让它不再占用这根写频线：
    sudo systemctl mask brltty-udev.service
然后重新插拔写频线。</translation>
    </message>
    <message>
        <source>brltty, the driver for Braille displays, is installed with a rule that takes CH340 chips (USB 1a86:7523), the chip of most programming cables: such a cable&apos;s port vanishes a moment after it appears. If you use no Braille display, remove it with
    sudo apt remove brltty</source>
        <translation>已安装盲文显示器驱动 brltty，其规则会占用 CH340 芯片（USB 1a86:7523），而大多数写频线用的正是这种芯片：这种写频线的端口出现片刻后就会消失。如果您不使用盲文显示器，请用以下命令卸载它：
    sudo apt remove brltty</translation>
    </message>
    <message>
        <source>ModemManager is running. </source>
        <translation>ModemManager 正在运行。</translation>
    </message>
    <message>
        <source>ModemManager is running and may probe %1. </source>
        <translation>ModemManager 正在运行，可能会探测 %1。</translation>
    </message>
    <message>
        <source>It tries every new serial port as a modem, sending it AT commands for some seconds after the cable is plugged in: the port is busy meanwhile, and a radio may take the commands for garbage. LUMORA&apos;s udev rule (60-lumora-cables.rules, which its package installs) keeps it away from the usual cable chips; without it, stop ModemManager with
    sudo systemctl stop ModemManager
or, if this machine has no mobile modem, for good with
    sudo systemctl disable --now ModemManager</source>
        <translation>它会把每个新串口当作调制解调器试探，在写频线插入后的几秒内向它发送 AT 命令：这期间端口被占用，对讲机也可能把这些命令当作乱码。LUMORA 的 udev 规则（60-lumora-cables.rules，随软件包安装）让它不碰常见的写频线芯片；没有该规则时，请用以下命令停止 ModemManager：
    sudo systemctl stop ModemManager
如果这台计算机没有移动调制解调器，也可以用以下命令永久停用：
    sudo systemctl disable --now ModemManager</translation>
    </message>
    <message>
        <source>%1: Prolific&apos;s driver refuses this PL2303 chip (a copy, or a model it no longer supports), and Windows shows a yellow mark on it. Install Prolific&apos;s older driver 3.3.2.102, then in Device Manager choose it under &quot;Update driver&quot; &gt; &quot;Browse my computer&quot; &gt; &quot;Let me pick&quot;, and keep Windows Update from replacing it; or use a cable with an FTDI, CP210x or CH340 chip.</source>
        <translation>%1：Prolific 的驱动拒绝这枚 PL2303 芯片（仿制品，或已不再支持的型号），Windows 在它上面显示黄色标记。请安装 Prolific 的旧版驱动 3.3.2.102，然后在设备管理器中通过“更新驱动程序”&gt;“浏览我的电脑”&gt;“让我从列表中选取”选择它，并阻止 Windows 更新替换它；或者换用 FTDI、CP210x 或 CH340 芯片的写频线。</translation>
    </message>
    <message>
        <source>%1: a CH340 cable with no driver, so it has no COM port. Install the CH340 driver (CH341SER.EXE from the chip&apos;s maker, WCH), then plug the cable in again.</source>
        <translation>%1：这是一根没有驱动的 CH340 写频线，因此没有 COM 端口。请安装 CH340 驱动（芯片厂商 WCH 提供的 CH341SER.EXE），然后重新插拔写频线。</translation>
    </message>
    <message>
        <source>%1: a CP210x cable with no driver, so it has no COM port. Install Silicon Labs&apos; &quot;CP210x Universal Windows Driver&quot;, then plug the cable in again.</source>
        <translation>%1：这是一根没有驱动的 CP210x 写频线，因此没有 COM 端口。请安装 Silicon Labs 的“CP210x Universal Windows Driver”，然后重新插拔写频线。</translation>
    </message>
    <message>
        <source>%1: missing. This kind of port is made by a program (socat, rfcomm, the virtual radio) and lasts only while that program runs: start it again, then choose the port it names (it may have another number now).</source>
        <translation>%1：不存在。这类端口由程序（socat、rfcomm、虚拟对讲机）创建，只在该程序运行期间存在：请重新启动该程序，然后选择它给出的端口（编号可能已变）。</translation>
    </message>
    <message>
        <source>No port went away or appeared in 60 seconds.</source>
        <translation>60 秒内没有端口消失或出现。</translation>
    </message>
    <message>
        <source>No port came back to stay in 60 seconds.</source>
        <translation>60 秒内没有端口重新出现并保持。</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>DTMF Spend [digit/s]</source>
        <translation>DTMF 速率 [位/秒]</translation>
    </message>
    <message>
        <source>First Digit Time [ms]</source>
        <translation>首位时长 [ms]</translation>
    </message>
    <message>
        <source>First Digit Delay [ms]</source>
        <translation>首位延时 [ms]</translation>
    </message>
    <message>
        <source># and * Tone [ms]</source>
        <translation># 和 * 音长 [ms]</translation>
    </message>
    <message>
        <source>D Code Assignment</source>
        <translation>D 码分配</translation>
    </message>
    <message>
        <source>DTMF Side Tone</source>
        <translation>DTMF 侧音</translation>
    </message>
    <message>
        <source>ID Code</source>
        <translation>ID 码</translation>
    </message>
    <message>
        <source>Group Code</source>
        <translation>组呼码</translation>
    </message>
    <message>
        <source>Auto Reset Timer [s]</source>
        <translation>自动复位时间 [s]</translation>
    </message>
    <message>
        <source>Call Alert</source>
        <translation>呼叫提示</translation>
    </message>
    <message>
        <source>Transpond</source>
        <translation>应答</translation>
    </message>
    <message>
        <source>Clear To Transpond</source>
        <translation>清除后应答</translation>
    </message>
    <message>
        <source>Standard Name</source>
        <translation>标准名称</translation>
    </message>
    <message>
        <source>Sending First Frame Coding Delay Time(ms)</source>
        <translation>发送第一帧编码延时(ms)</translation>
    </message>
    <message>
        <source>Sending Second Frame Coding Delay Time(ms)</source>
        <translation>发送第二帧编码延时(ms)</translation>
    </message>
    <message>
        <source>Sending Third Frame Coding Delay Time(ms)</source>
        <translation>发送第三帧编码延时(ms)</translation>
    </message>
    <message>
        <source>Extended Duration of The First Tone of Each Group</source>
        <translation>每组首音延长时间</translation>
    </message>
    <message>
        <source>Reset Time(ms)</source>
        <translation>复位时间(ms)</translation>
    </message>
    <message>
        <source>Fleet[Own]</source>
        <translation>车队号[本机]</translation>
    </message>
    <message>
        <source>ID[Own]</source>
        <translation>ID[本机]</translation>
    </message>
    <message>
        <source>FleetSync Baud Rate[bps]</source>
        <translation>FleetSync 波特率[bps]</translation>
    </message>
    <message>
        <source>Data TX Modulation Delay Time[ms]</source>
        <translation>数据发射调制延时[ms]</translation>
    </message>
    <message>
        <source>Message Mode Timer [s]</source>
        <translation>消息模式定时 [s]</translation>
    </message>
    <message>
        <source>PTT ID Side Tone</source>
        <translation>PTT ID 侧音</translation>
    </message>
    <message>
        <source>DTMF &amp;Side Tone</source>
        <translation>DTMF 侧音(&amp;S)</translation>
    </message>
    <message>
        <source>Clear To &amp;Transpond</source>
        <translation>清除后应答(&amp;T)</translation>
    </message>
    <message>
        <source>PTT ID &amp;Side Tone</source>
        <translation>PTT ID 侧音(&amp;S)</translation>
    </message>
    <message>
        <source>Atone(hz)</source>
        <translation>A 音(Hz)</translation>
    </message>
    <message>
        <source>Btone(hz)</source>
        <translation>B 音(Hz)</translation>
    </message>
    <message>
        <source>Ctone(hz)</source>
        <translation>C 音(Hz)</translation>
    </message>
    <message>
        <source>Dtone(hz)</source>
        <translation>D 音(Hz)</translation>
    </message>
    <message>
        <source>Rest Time(ms)</source>
        <translation>间歇时间(ms)</translation>
    </message>
    <message>
        <source>First Frequency Time(ms)</source>
        <translation>第一音时长(ms)</translation>
    </message>
    <message>
        <source>Second Frequency Time(ms)</source>
        <translation>第二音时长(ms)</translation>
    </message>
    <message>
        <source>Interval Between Two Frequency (ms)</source>
        <translation>两音间隔 (ms)</translation>
    </message>
</context>
<context>
    <name>SettingsTexts</name>
    <message>
        <source>the key &quot;bytes&quot; must hold %1 blocks</source>
        <translation>键“bytes”必须包含 %1 个块</translation>
    </message>
    <message>
        <source>each block in &quot;bytes&quot; must be 56 hexadecimal digits</source>
        <translation>“bytes”中的每个块必须是 56 位十六进制数字</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is unknown</source>
        <translation>未知的键“%1”</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is missing</source>
        <translation>缺少键“%1”</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; must be a text</source>
        <translation>键“%1”必须是文本</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; must be true or false</source>
        <translation>键“%1”必须为 true 或 false</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; must be %2 rows</source>
        <translation>键“%1”必须有 %2 行</translation>
    </message>
    <message>
        <source>row %1 of the key &quot;%2&quot; must be %3 texts</source>
        <translation>键“%2”的第 %1 行必须有 %3 个文本</translation>
    </message>
    <message>
        <source>it is not JSON (%1 at byte %2)</source>
        <translation>它不是 JSON（第 %2 字节处：%1）</translation>
    </message>
    <message>
        <source>it holds no JSON object</source>
        <translation>它不含 JSON 对象</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a %2 settings file: %3</source>
        <translation>“%1”不是 %2 设置文件：%3</translation>
    </message>
    <message>
        <source>the key &quot;format&quot; must be 1 or %1</source>
        <translation>键“format”必须为 1 或 %1</translation>
    </message>
    <message>
        <source>the key &quot;area&quot; must be &quot;%1&quot;</source>
        <translation>键“area”必须为“%1”</translation>
    </message>
    <message>
        <source>checked</source>
        <translation>已勾选</translation>
    </message>
    <message>
        <source>unchecked</source>
        <translation>未勾选</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>（空）</translation>
    </message>
    <message>
        <source>%1, %2: %5 %3, %6 %4</source>
        <translation>%1，%2：%5 %3，%6 %4</translation>
    </message>
    <message>
        <source>%1, %2 row %3: %6 %4, %7 %5</source>
        <translation>%1，%2 第 %3 行：%6 %4，%7 %5</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>无法打开文件“%1”。%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a %2 settings file: it is larger than %3 KiB</source>
        <translation>“%1”不是 %2 设置文件：文件大于 %3 KiB</translation>
    </message>
</context>
<context>
    <name>SwapChannelsDialog</name>
    <message>
        <source>Swap &amp;channel</source>
        <translation>交换信道(&amp;C)</translation>
    </message>
    <message>
        <source>w&amp;ith channel</source>
        <translation>与信道(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Swap</source>
        <translation>交换(&amp;S)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ToolTexts</name>
    <message>
        <source>Print preview - %1</source>
        <translation>打印预览 - %1</translation>
    </message>
    <message>
        <source>Another transfer with the radio is under way. Wait until it has finished, then try again</source>
        <translation>与对讲机的另一次传输正在进行。请等待完成后再试</translation>
    </message>
</context>
<context>
    <name>ToolWindows</name>
    <message>
        <source>Radio backup (*.json)</source>
        <translation>对讲机备份 (*.json)</translation>
    </message>
    <message>
        <source>&amp;Back up radio...</source>
        <translation>备份对讲机(&amp;B)...</translation>
    </message>
    <message>
        <source>&amp;Restore radio...</source>
        <translation>恢复对讲机(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Program several radios...</source>
        <translation>批量写频(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Keep this radio&apos;s identity (FleetSync own fleet and ID, DTMF ID code)</source>
        <translation>保留本机身份（FleetSync 本机车队号和 ID、DTMF ID 码）(&amp;K)</translation>
    </message>
    <message>
        <source>A backup or restore of the radio is under way. Wait until it has finished, then try again</source>
        <translation>正在备份或恢复对讲机。请等待完成后再试</translation>
    </message>
    <message>
        <source>The run stops: without its log a further radio could get an identity twice.</source>
        <translation>本轮停止：没有日志，后面的对讲机可能得到重复的身份。</translation>
    </message>
    <message>
        <source>The list of identities has run out: the run ends.</source>
        <translation>身份列表已用完：本轮结束。</translation>
    </message>
    <message>
        <source>Connect radio %1 to %2 and press Enter to program it %3. Cancel ends the run.</source>
        <translation>将第 %1 台对讲机连接到 %2，按回车键为它写频 %3。按取消结束本轮。</translation>
    </message>
    <message>
        <source>The radio on %1 still holds what was just written to radio %2</source>
        <translation>%1 上的对讲机仍是刚才写入的第 %2 台对讲机</translation>
    </message>
    <message>
        <source>The fleet run programmed 1 radio, %1 written and verified.</source>
        <translation>本轮批量写频共处理 1 台对讲机，其中 %1 台已写入并校验。</translation>
    </message>
    <message>
        <source>The fleet run programmed %1 radios, %2 written and verified.</source>
        <translation>本轮批量写频共处理 %1 台对讲机，其中 %2 台已写入并校验。</translation>
    </message>
    <message>
        <source> The log is in &quot;%1&quot;.</source>
        <translation> 日志保存在“%1”。</translation>
    </message>
    <message>
        <source>Radio &amp;history...</source>
        <translation>对讲机历史记录(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;Undo last write</source>
        <translation>撤销上次写入(&amp;U)</translation>
    </message>
    <message>
        <source>History is not being kept: %1</source>
        <translation>未保存历史记录：%1</translation>
    </message>
    <message>
        <source>&amp;Undo last write (back to the %1 of %2)</source>
        <translation>撤销上次写入（回到 %2 的%1）(&amp;U)</translation>
    </message>
    <message>
        <source>Writes back %1 as it was then.</source>
        <translation>将 %1 写回为当时的状态。</translation>
    </message>
    <message>
        <source>There is no write of this run to undo, or no snapshot from before it.</source>
        <translation>本次运行没有可撤销的写入，或没有写入前的快照。</translation>
    </message>
    <message>
        <source>the radio history was turned off</source>
        <translation>对讲机历史记录已关闭</translation>
    </message>
    <message>
        <source>Prin&amp;t...</source>
        <translation>打印(&amp;T)...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>导出 PDF(&amp;D)...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>无法打开文件“%1”。%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for a radio backup</source>
        <translation>“%1”太大，不是对讲机备份文件</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The channel card is in %1</source>
        <translation>信道卡已保存到 %1</translation>
    </message>
</context>
<context>
    <name>ValueTexts</name>
    <message>
        <source>%1 of channel %2</source>
        <translation>信道 %2 的 %1</translation>
    </message>
    <message>
        <source>%1 is not one of the radio&apos;s DCS codes; it is kept</source>
        <translation>%1 不是对讲机的 DCS 码；已保留</translation>
    </message>
    <message>
        <source>%1 Hz is not one of the radio&apos;s standard tones; it is kept</source>
        <translation>%1 Hz 不是对讲机的标准亚音；已保留</translation>
    </message>
    <message>
        <source>type MHz with up to five decimals, for example 146.52</source>
        <translation>请输入最多五位小数的 MHz 值，例如 146.52</translation>
    </message>
    <message>
        <source>type a tone from %1 to %2 Hz such as 88.5, a DCS code such as 023N or 023I, or NONE</source>
        <translation>请输入 %1 至 %2 Hz 的亚音（如 88.5）、DCS 码（如 023N 或 023I）或 NONE</translation>
    </message>
    <message>
        <source>it takes one of %1</source>
        <translation>可选值为 %1 之一</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of %2</source>
        <translation>“%1”不是 %2 之一</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has characters the cell does not take; %2</source>
        <translation>“%1”含有该单元格不接受的字符；%2</translation>
    </message>
    <message>
        <source>type its RX Freq first; a channel exists only while it has one</source>
        <translation>请先输入 RX Freq；信道只有在有接收频率时才存在</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>“%1”不是有效的整数值</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>“%1”不是有效的浮点数值</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; does not fit the radio: it holds %3 to %4 in steps of %5</source>
        <translation>%1“%2”超出对讲机的范围：它只接受 %3 到 %4，步进为 %5</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; does not fit the radio: it holds %3 to %4</source>
        <translation>%1“%2”超出对讲机的范围：它只接受 %3 到 %4</translation>
    </message>
    <message>
        <source>TOT &apos;%1&apos; does not fit the radio: it holds CLOSE or 0 to 255 seconds</source>
        <translation>TOT“%1”超出对讲机的范围：它只接受 CLOSE 或 0 到 255 秒</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid tone frequency</source>
        <translation>“%1”不是有效的亚音频率</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>lumora::FindCableDialog</name>
    <message>
        <source>Find cable</source>
        <translation>查找写频线</translation>
    </message>
    <message>
        <source>Unplug the cable, then plug it in again.</source>
        <translation>请拔下写频线，然后重新插入。</translation>
    </message>
    <message>
        <source>%v s left</source>
        <translation>剩余 %v 秒</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>剩余时间</translation>
    </message>
    <message>
        <source>&amp;Use this port</source>
        <translation>使用此端口(&amp;U)</translation>
    </message>
    <message>
        <source>The cable is on %1.</source>
        <translation>写频线在 %1 上。</translation>
    </message>
    <message>
        <source>The cable is on %1 (%2).</source>
        <translation>写频线在 %1（%2）上。</translation>
    </message>
</context>
<context>
    <name>lumora::FleetDialog</name>
    <message>
        <source> - Program several radios</source>
        <translation> - 批量写频</translation>
    </message>
    <message>
        <source>Each radio &amp;keeps its own identity</source>
        <translation>每台对讲机保留自己的身份(&amp;K)</translation>
    </message>
    <message>
        <source>Identities from a &amp;list (columns Fleet, ID, DTMF ID):</source>
        <translation>从列表读取身份（列：Fleet、ID、DTMF ID）(&amp;L)：</translation>
    </message>
    <message>
        <source>FleetSync IDs cou&amp;nted up</source>
        <translation>FleetSync ID 依次递增(&amp;N)</translation>
    </message>
    <message>
        <source>The DTMF ID code &amp;follows the FleetSync ID</source>
        <translation>DTMF ID 码跟随 FleetSync ID(&amp;F)</translation>
    </message>
    <message>
        <source>Radio backup (*.json)</source>
        <translation>对讲机备份 (*.json)</translation>
    </message>
    <message>
        <source>&amp;Template (a backup):</source>
        <translation>模板（备份文件）(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>浏览(&amp;B)...</translation>
    </message>
    <message>
        <source>Each radio&apos;s identity (FleetSync own fleet and ID, DTMF ID code):</source>
        <translation>每台对讲机的身份（FleetSync 本机车队号和 ID、DTMF ID 码）：</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>浏览(&amp;R)...</translation>
    </message>
    <message>
        <source>Identities (*.csv)</source>
        <translation>身份列表 (*.csv)</translation>
    </message>
    <message>
        <source>F&amp;irst ID:</source>
        <translation>起始 ID(&amp;I)：</translation>
    </message>
    <message>
        <source>St&amp;ep:</source>
        <translation>步长(&amp;E)：</translation>
    </message>
    <message>
        <source>L&amp;og (one row a radio):</source>
        <translation>日志（每台对讲机一行）(&amp;O)：</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>浏览(&amp;W)...</translation>
    </message>
    <message>
        <source>Fleet log (*.csv)</source>
        <translation>批量写频日志 (*.csv)</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>开始(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>lumora::FleetRun</name>
    <message>
        <source>differs from the template</source>
        <translation>与模板不同</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>无法打开文件“%1”。%2</translation>
    </message>
    <message>
        <source>The list of identities &quot;%1&quot; holds no radio</source>
        <translation>身份列表“%1”中没有任何对讲机</translation>
    </message>
    <message>
        <source>keeping its own identity</source>
        <translation>保留自己的身份</translation>
    </message>
    <message>
        <source>as %1 (the rest as the template has it)</source>
        <translation>设为 %1（其余按模板）</translation>
    </message>
    <message>
        <source>as %1</source>
        <translation>设为 %1</translation>
    </message>
    <message>
        <source>written and verified</source>
        <translation>已写入并校验</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>失败：%1</translation>
    </message>
    <message>
        <source>%1, but not logged: %2</source>
        <translation>%1，但未记入日志：%2</translation>
    </message>
    <message>
        <source>Radio %1 on %2: Fleet %3, ID %4, DTMF ID %5: %6</source>
        <translation>第 %1 台对讲机（%2）：Fleet %3，ID %4，DTMF ID %5：%6</translation>
    </message>
    <message>
        <source>A radio of this fleet run is being programmed. Wait until it has finished, then try again</source>
        <translation>本轮批量写频正在为一台对讲机写频。请等待完成后再试</translation>
    </message>
    <message>
        <source>The fleet log &quot;%1&quot; could not be written: no further radio is programmed without it</source>
        <translation>无法写入批量写频日志“%1”：没有日志就不再为后续对讲机写频</translation>
    </message>
    <message>
        <source>The list of identities has run out</source>
        <translation>身份列表已用完</translation>
    </message>
    <message>
        <source>Programming radio %1...</source>
        <translation>正在为第 %1 台对讲机写频...</translation>
    </message>
</context>
<context>
    <name>lumora::RadioBackupRun</name>
    <message>
        <source>the texts carry every value</source>
        <translation>文本包含了所有数值</translation>
    </message>
    <message>
        <source>channel bytes 24 to 27 and option bytes 2 to 7 and 16 to 27 are written as 0 or as the frame before left them, and a channel whose receive frequency is 0 as an empty channel</source>
        <translation>信道字节 24 至 27 以及选项字节 2 至 7 和 16 至 27 写为 0 或沿用前一帧的值，接收频率为 0 的信道写为空信道</translation>
    </message>
    <message>
        <source>block 0 bytes 6 to 9, bytes 24 to 27 of blocks 1 to 3 and block 3 bytes 16 to 23 are not kept, nor digit counts that differ from the digits, nor leading D digits of memories 9 to 16</source>
        <translation>不保留块 0 的字节 6 至 9、块 1 至 3 的字节 24 至 27 以及块 3 的字节 16 至 23，也不保留与数字不一致的位数以及存储 9 至 16 开头的 D</translation>
    </message>
    <message>
        <source>block 0 bytes 16 to 19 and bytes 24 to 27 of the decode blocks are not kept, nor decode rows with a pair byte of 0 or a pair nibble outside A to D</source>
        <translation>不保留块 0 的字节 16 至 19 以及解码块的字节 24 至 27，也不保留配对字节为 0 或配对半字节不在 A 至 D 之间的解码行</translation>
    </message>
    <message>
        <source>block 0 bytes 15 to 19 and 24 to 27 and bytes 13 and 27 of the encode blocks are not kept</source>
        <translation>不保留块 0 的字节 15 至 19 和 24 至 27 以及编码块的字节 13 和 27</translation>
    </message>
    <message>
        <source>block 0 bytes 9 to 19 are not kept, nor a side-tone byte other than 0 or 0xFF</source>
        <translation>不保留块 0 的字节 9 至 19，也不保留 0 或 0xFF 以外的侧音字节</translation>
    </message>
    <message>
        <source>main memory</source>
        <translation>主存储区</translation>
    </message>
    <message>
        <source>
Not every area was restored byte for byte:</source>
        <translation>
并非所有区域都逐字节恢复：</translation>
    </message>
    <message>
        <source>
The file&apos;s texts were changed in some areas: there, what changed is written from the texts and everything else byte for byte. Of the radio&apos;s values, the texts cannot carry these (the changed ones are written as the texts say):</source>
        <translation>
文件中某些区域的文本已被修改：这些区域中修改之处按文本写入，其余内容逐字节写入。对讲机的以下数值无法由文本表示（已修改的按文本写入）：</translation>
    </message>
    <message>
        <source>
The file holds %1 only: %2 was not written.</source>
        <translation>
该文件只包含 %1：%2 未写入。</translation>
    </message>
    <message>
        <source>
The file holds %1 only: %2 were not written.</source>
        <translation>
该文件只包含 %1：%2 未写入。</translation>
    </message>
    <message>
        <source>%1: restored from its texts (the file keeps none of its bytes), so %2</source>
        <translation>%1：按文本恢复（文件中没有保存其字节），因此%2</translation>
    </message>
    <message>
        <source>Backing up the radio...</source>
        <translation>正在备份对讲机...</translation>
    </message>
    <message>
        <source>Restoring the radio...</source>
        <translation>正在恢复对讲机...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Nothing was written: %1.</source>
        <translation>未写入任何内容：%1。</translation>
    </message>
    <message>
        <source>The radio is backed up in &quot;%1&quot;.</source>
        <translation>对讲机已备份到“%1”。</translation>
    </message>
    <message>
        <source>The radio is restored from &quot;%1&quot;.</source>
        <translation>已从“%1”恢复对讲机。</translation>
    </message>
    <message>
        <source>Nothing was written: the radio was being read before the restore.</source>
        <translation>未写入任何内容：恢复前正在读取对讲机。</translation>
    </message>
    <message>
        <source>The radio now holds: %1.</source>
        <translation>对讲机当前内容：%1。</translation>
    </message>
    <message>
        <source>every area written, the read-back not finished</source>
        <translation>所有区域已写入，读回未完成</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 和 %2</translation>
    </message>
    <message>
        <source>%1 written</source>
        <translation>%1 已写入</translation>
    </message>
    <message>
        <source>%1 not written</source>
        <translation>%1 未写入</translation>
    </message>
    <message>
        <source>The backup was cancelled; the radio is unchanged.</source>
        <translation>备份已取消；对讲机未改变。</translation>
    </message>
    <message>
        <source>The restore was cancelled before anything was written.</source>
        <translation>恢复在写入任何内容之前已取消。</translation>
    </message>
    <message>
        <source>The restore was cancelled; the radio now holds: %1.</source>
        <translation>恢复已取消；对讲机当前内容：%1。</translation>
    </message>
    <message>
        <source>
The radio kept its identity: %1.</source>
        <translation>
对讲机保留了自己的身份：%1。</translation>
    </message>
    <message>
        <source>
The radio was given the identity %1.</source>
        <translation>
对讲机被设为身份 %1。</translation>
    </message>
    <message>
        <source>The radio&apos;s identity cannot be kept byte for byte: its %1 block 0, d%2, holds 0x%3 and the restore would write 0x%4. Nothing was written.</source>
        <translation>无法逐字节保留对讲机的身份：其 %1 块 0 的 d%2 为 0x%3，而恢复将写入 0x%4。未写入任何内容。</translation>
    </message>
</context>
<context>
    <name>lumora::RadioHistoryWindow</name>
    <message>
        <source>Radio history - </source>
        <translation>对讲机历史记录 - </translation>
    </message>
    <message>
        <source>Field</source>
        <translation>字段</translation>
    </message>
    <message>
        <source>This snapshot</source>
        <translation>此快照</translation>
    </message>
    <message>
        <source>Now in LUMORA</source>
        <translation>LUMORA 当前</translation>
    </message>
    <message>
        <source>&amp;Restore this</source>
        <translation>恢复此快照(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>另存为(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Keep a history of every radio</source>
        <translation>保存每台对讲机的历史记录(&amp;K)</translation>
    </message>
    <message>
        <source> days</source>
        <translation> 天</translation>
    </message>
    <message>
        <source>R&amp;adios seen:</source>
        <translation>已连接过的对讲机(&amp;A)：</translation>
    </message>
    <message>
        <source>S&amp;napshots, newest first:</source>
        <translation>快照，最新的在前(&amp;N)：</translation>
    </message>
    <message>
        <source>&amp;Differences from what LUMORA holds now:</source>
        <translation>与 LUMORA 当前内容的差异(&amp;D)：</translation>
    </message>
    <message>
        <source>keeping every snapshot &amp;for</source>
        <translation>每个快照保留(&amp;F)</translation>
    </message>
    <message>
        <source>and the &amp;last</source>
        <translation>并保留最近(&amp;L)</translation>
    </message>
    <message>
        <source>of each radio</source>
        <translation>个（每台对讲机）</translation>
    </message>
    <message>
        <source>%1 (a damaged snapshot)</source>
        <translation>%1（快照已损坏）</translation>
    </message>
    <message>
        <source>%1 - last %2 on %3</source>
        <translation>%1 - 最近一次 %2，端口 %3</translation>
    </message>
    <message>
        <source>the whole radio</source>
        <translation>整台对讲机</translation>
    </message>
    <message>
        <source>%1  damaged: %2</source>
        <translation>%1  已损坏：%2</translation>
    </message>
    <message>
        <source>No snapshot has been kept yet.</source>
        <translation>尚未保存任何快照。</translation>
    </message>
    <message>
        <source>%1, %2 on %3 (%4).</source>
        <translation>%1，%2，端口 %3（%4）。</translation>
    </message>
    <message>
        <source>What LUMORA holds now cannot be compared: </source>
        <translation>LUMORA 当前内容无法比较：</translation>
    </message>
    <message>
        <source>None: LUMORA holds what this snapshot holds.</source>
        <translation>无：LUMORA 当前内容与此快照相同。</translation>
    </message>
    <message>
        <source>Radio backup (*.json)</source>
        <translation>对讲机备份 (*.json)</translation>
    </message>
    <message>
        <source>The snapshot is saved as the backup &quot;%1&quot;.</source>
        <translation>快照已保存为备份“%1”。</translation>
    </message>
</context>
<context>
    <name>lumora::TForm1</name>
    <message>
        <source>Present Com</source>
        <translation>当前端口</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>信道 %1</translation>
    </message>
    <message>
        <source>Channels %1 to %2</source>
        <translation>信道 %1 到 %2</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>信道(&amp;C)</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>上移(&amp;U)</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>下移(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Insert empty channel</source>
        <translation>插入空信道(&amp;I)</translation>
    </message>
    <message>
        <source>De&amp;lete channels</source>
        <translation>删除信道(&amp;L)</translation>
    </message>
    <message>
        <source>S&amp;wap two channels...</source>
        <translation>交换两个信道(&amp;W)...</translation>
    </message>
    <message>
        <source>&amp;Sort channels in use by</source>
        <translation>已用信道排序依据(&amp;S)</translation>
    </message>
    <message>
        <source>%1 moved to %2</source>
        <translation>%1 已移到 %2</translation>
    </message>
    <message>
        <source>The channels cannot be rearranged while the radio is being read or written</source>
        <translation>读写对讲机期间不能重新排列信道</translation>
    </message>
    <message>
        <source> (Ctrl+Z undoes it)</source>
        <translation>（Ctrl+Z 可撤销）</translation>
    </message>
    <message>
        <source>No channel was inserted: channel 16 is in use, and the channels below would have no room. Delete or move channel 16 first</source>
        <translation>未插入信道：信道 16 已使用，下面的信道没有空位。请先删除或移动信道 16</translation>
    </message>
    <message>
        <source>An empty channel inserted at %1; channels %1 to 15 moved down one</source>
        <translation>已在 %1 插入空信道；信道 %1 到 15 下移一位</translation>
    </message>
    <message>
        <source>%1 deleted; the channels below moved up</source>
        <translation>已删除%1；下面的信道上移</translation>
    </message>
    <message>
        <source>Channels %1 and %2 swapped</source>
        <translation>信道 %1 和 %2 已交换</translation>
    </message>
    <message>
        <source>The channels in use are in order of %1 already</source>
        <translation>已用信道已经按 %1 排好序</translation>
    </message>
    <message>
        <source>The %1 channels in use sorted by %2, the empty ones last</source>
        <translation>%1 个已用信道已按 %2 排序，空信道在最后</translation>
    </message>
    <message>
        <source>CHIRP CSV (*.csv)</source>
        <translation>CHIRP CSV (*.csv)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>保存更改吗？</translation>
    </message>
    <message>
        <source>The channel table or the optional settings have changed since they were last opened, saved or read from the radio.</source>
        <translation>信道表或可选设置自上次打开、保存或从对讲机读取以来已更改。</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>无法打开文件“%1”。%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for a channel list</source>
        <translation>“%1”太大，不是信道表文件</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>文件：%1</translation>
    </message>
    <message>
        <source>
%1 and %2 marked:
</source>
        <translation>
已标记 %1 和 %2：
</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>全选(&amp;A)</translation>
    </message>
    <message>
        <source>The manual: Help &gt; Manual.</source>
        <translation>手册：帮助 &gt; 手册。</translation>
    </message>
    <message>
        <source>The manual pages: man lumora, man lumora-cli, man lumora-radio.</source>
        <translation>手册页：man lumora、man lumora-cli、man lumora-radio。</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>手册(&amp;M)</translation>
    </message>
    <message>
        <source>The manual is not where LUMORA was installed: %1</source>
        <translation>在 LUMORA 的安装位置找不到手册：%1</translation>
    </message>
    <message>
        <source>&amp;Licences...</source>
        <translation>许可证(&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;About LUMORA</source>
        <translation>关于 LUMORA(&amp;A)</translation>
    </message>
    <message>
        <source>%1 %2: it is %3 again%4</source>
        <translation>%1 %2：已恢复为 %3%4</translation>
    </message>
    <message>
        <source>left empty</source>
        <translation>留空</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit the radio, which holds CLOSE or 0 to 255 seconds</source>
        <translation>“%1”不适用于本机，本机只接受 CLOSE 或 0 到 255 秒</translation>
    </message>
    <message>
        <source> (the default)</source>
        <translation>（默认值）</translation>
    </message>
    <message>
        <source>%1 of channel %2: &quot;%3&quot; left out; %4</source>
        <translation>信道 %2 的 %1：“%3”未采用；%4</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Recent &amp;files</source>
        <translation>最近的文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>导入 CSV(&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>导出 CSV(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Verify with radio</source>
        <translation>与对讲机核对(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check connection</source>
        <translation>检查连接(&amp;C)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Signa</source>
        <translation>信令(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;All columns</source>
        <translation>显示所有列(&amp;A)</translation>
    </message>
    <message>
        <source>The radio holds %1 values the table cannot write back as they are. A write keeps the radio&apos;s bytes for every channel (and the options) left unchanged; a channel you change is written as the table shows it.</source>
        <translation>对讲机中有 %1 个值无法由信道表原样写回。写入时，未改动的信道（及选项）保留对讲机原有的字节；您改动的信道按信道表显示的内容写入。</translation>
    </message>
    <message>
        <source>Optional Function</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>&amp;Read(F11)</source>
        <translation>读取(&amp;R)(F11)</translation>
    </message>
    <message>
        <source>&amp;Write(F12)</source>
        <translation>写入(&amp;W)(F12)</translation>
    </message>
    <message>
        <source>Frequency plan (*.csv *.json)</source>
        <translation>频率规划 (*.csv *.json)</translation>
    </message>
    <message>
        <source>&amp;Frequency plan</source>
        <translation>频率规划(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>无(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Plan file...</source>
        <translation>规划文件(&amp;P)...</translation>
    </message>
    <message>
        <source>No frequency plan: no channel is marked</source>
        <translation>无频率规划：未标记任何信道</translation>
    </message>
    <message>
        <source>Frequency plan &quot;%1&quot;: %2</source>
        <translation>频率规划“%1”：%2</translation>
    </message>
    <message>
        <source>every channel fits it</source>
        <translation>所有信道都符合</translation>
    </message>
    <message>
        <source>1 channel marked (their tooltips say why)</source>
        <translation>已标记 1 个信道（原因见其提示）</translation>
    </message>
    <message>
        <source>%1 channels marked (their tooltips say why)</source>
        <translation>已标记 %1 个信道（原因见其提示）</translation>
    </message>
    <message>
        <source>%1:
%2

Write to the radio all the same?</source>
        <translation>%1：
%2

仍要写入对讲机吗？</translation>
    </message>
    <message>
        <source>A write to the radio is under way. If it stops now, the radio is left half-written until you write it again.

Stop the write and close LUMORA?</source>
        <translation>正在向对讲机写入。如果现在停止，在您再次写入之前，对讲机中的数据只写入了一部分。

停止写入并关闭 LUMORA 吗？</translation>
    </message>
    <message>
        <source>Another transfer is under way in a signalling window. Wait until it has finished, or close that window, then try again</source>
        <translation>某个信令窗口正在传输。请等待完成，或关闭该窗口后再试</translation>
    </message>
    <message>
        <source>write to the radio</source>
        <translation>向对讲机写入</translation>
    </message>
    <message>
        <source>read from the radio</source>
        <translation>从对讲机读取</translation>
    </message>
    <message>
        <source>The serial port %1 went away. Check that the cable is plugged in and the radio is on, then try again.</source>
        <translation>串口 %1 已消失。请检查写频线已插好、对讲机已开机，然后重试。</translation>
    </message>
    <message>
        <source> The radio is left half-written until you write it again.</source>
        <translation> 在您再次写入之前，对讲机中的数据只写入了一部分。</translation>
    </message>
    <message>
        <source> The table and the options are as they were before the read.</source>
        <translation> 信道表和选项保持读取前的状态。</translation>
    </message>
    <message>
        <source>The cable was disconnected, so the %1 did not complete.</source>
        <translation>写频线已断开，因此%1未完成。</translation>
    </message>
    <message>
        <source>Greeting the radio</source>
        <translation>正在与对讲机握手</translation>
    </message>
    <message>
        <source>A write to the radio is under way. Wait until it has finished, or cancel it</source>
        <translation>正在向对讲机写入。请等待完成，或取消写入</translation>
    </message>
    <message>
        <source>The radio holds what the table holds.</source>
        <translation>对讲机中的内容与信道表相同。</translation>
    </message>
    <message>
        <source>The radio differs from the table in 1 field:
</source>
        <translation>对讲机与信道表有 1 个字段不同：
</translation>
    </message>
    <message>
        <source>The radio differs from the table in %1 fields:
</source>
        <translation>对讲机与信道表有 %1 个字段不同：
</translation>
    </message>
    <message>
        <source>   Read Succeed!</source>
        <translation>   读取成功！</translation>
    </message>
    <message>
        <source>Checking the write: the options</source>
        <translation>正在校验写入：选项</translation>
    </message>
    <message>
        <source>Reading the options</source>
        <translation>正在读取选项</translation>
    </message>
    <message>
        <source>A read from the radio is under way. Wait until it has finished, or cancel it</source>
        <translation>正在从对讲机读取。请等待完成，或取消读取</translation>
    </message>
    <message>
        <source>Writing the options</source>
        <translation>正在写入选项</translation>
    </message>
    <message>
        <source>Write Succeed!</source>
        <translation>写入成功！</translation>
    </message>
    <message>
        <source>The radio answered late, so it was read back after the write.</source>
        <translation>对讲机应答延迟，因此写入后已读回。</translation>
    </message>
    <message>
        <source>Reading the radio back to check the write</source>
        <translation>正在读回对讲机以校验写入</translation>
    </message>
    <message>
        <source>The read from the radio was cancelled; the table and the options are as they were.</source>
        <translation>已取消从对讲机读取；信道表和选项保持原样。</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;list&quot;&gt;1 value the table cannot write back as read&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;list&quot;&gt;1 个值无法按读取时的原样从信道表写回&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;list&quot;&gt;%1 values the table cannot write back as read&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;list&quot;&gt;%1 个值无法按读取时的原样从信道表写回&lt;/a&gt;</translation>
    </message>
    <message>
        <source>main memory written, its read-back not finished</source>
        <translation>主存储区已写入，读回校验未完成</translation>
    </message>
    <message>
        <source>main memory not written</source>
        <translation>主存储区未写入</translation>
    </message>
    <message>
        <source>main memory: channels written, the options not acknowledged</source>
        <translation>主存储区：信道已写入，选项未确认</translation>
    </message>
    <message>
        <source>main memory: channels 1 to %1 acknowledged, channels %2 to 16 and the options not written</source>
        <translation>主存储区：信道 1 到 %1 已确认，信道 %2 到 16 及选项未写入</translation>
    </message>
    <message>
        <source>The write to the radio did not complete: the radio holds other values than were written.</source>
        <translation>写入对讲机未完成：对讲机中的值与写入的不同。</translation>
    </message>
    <message>
        <source>%1 It differs in 1 field:
</source>
        <translation>%1 有 1 个字段不同：
</translation>
    </message>
    <message>
        <source>%1 It differs in %2 fields:
</source>
        <translation>%1 有 %2 个字段不同：
</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>The language changes when LUMORA starts again</source>
        <translation>语言将在 LUMORA 下次启动时更改</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>跟随系统(&amp;S)</translation>
    </message>
    <message>
        <source>Reading channel %1 of %2</source>
        <translation>正在读取信道 %1 / %2</translation>
    </message>
    <message>
        <source>Checking the write: channel %1 of %2</source>
        <translation>正在校验写入：信道 %1 / %2</translation>
    </message>
    <message>
        <source>Writing channel %1 of %2</source>
        <translation>正在写入信道 %1 / %2</translation>
    </message>
    <message>
        <source>verify</source>
        <translation>校验</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Write(F12)</source>
        <translation>写入(F12)</translation>
    </message>
    <message>
        <source>Read(F11)</source>
        <translation>读取(F11)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Find cable...</source>
        <translation>查找写频线...</translation>
    </message>
    <message>
        <source>No serial port is here.</source>
        <translation>这里没有串口。</translation>
    </message>
    <message>
        <source>%1 is not here.</source>
        <translation>%1 不在这里。</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
    <message>
        <source>The diagnostic report is saved in %1. It holds no names but the ports&apos;: send it with your question or bug report.</source>
        <translation>诊断报告已保存到 %1。其中除端口名外不含任何名称：请随您的问题或错误报告一起发送。</translation>
    </message>
    <message>
        <source>Save &amp;diagnostic report...</source>
        <translation>保存诊断报告(&amp;D)...</translation>
    </message>
    <message>
        <source>Fi&amp;nd cable...</source>
        <translation>查找写频线(&amp;N)...</translation>
    </message>
</context>
<context>
    <name>lumora::TForm2</name>
    <message>
        <source>Encode</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>DTMF Encode</source>
        <translation>DTMF 编码</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>解码</translation>
    </message>
    <message>
        <source>DTMF Decode</source>
        <translation>DTMF 解码</translation>
    </message>
    <message>
        <source>Memory %1</source>
        <translation>存储 %1</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; kept as &quot;%3&quot;: up to 8 of 0-9, A-D, *, #</source>
        <translation>%1：“%2”保留为“%3”：最多 8 位，可用 0-9、A-D、*、#</translation>
    </message>
</context>
<context>
    <name>lumora::TForm3</name>
    <message>
        <source>&amp;Retry</source>
        <translation>重试(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>The radio has not answered what was asked for %1 s: it answers with blocks that were not asked for. Cancel stops the %2.</source>
        <translation>对讲机已 %1 秒未应答所请求的内容：它应答的是未请求的数据块。按取消将停止%2。</translation>
    </message>
    <message>
        <source>The radio has not answered for %1 s. Cancel stops the %2.</source>
        <translation>对讲机已 %1 秒无应答。按取消将停止%2。</translation>
    </message>
</context>
<context>
    <name>lumora::TForm4</name>
    <message>
        <source>Encode</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>2TONE Decode</source>
        <translation>两音解码</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>解码</translation>
    </message>
    <message>
        <source>2TONE Frequency</source>
        <translation>两音频率</translation>
    </message>
</context>
<context>
    <name>lumora::TForm5</name>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>解码</translation>
    </message>
    <message>
        <source>Digit %1</source>
        <translation>数字 %1</translation>
    </message>
</context>
<context>
    <name>lumora::TSignallingForm</name>
    <message>
        <source>The radio holds %1 values this window cannot write back as they are. A write keeps the radio&apos;s bytes for every block left unchanged, and for such a value while its row or box is unchanged.</source>
        <translation>对讲机中有 %1 个值无法由本窗口原样写回。写入时，未改动的数据块保留对讲机原有的字节；这类值在其所在的行或输入框未改动时也会保留。</translation>
    </message>
    <message>
        <source>Written to the radio at %1.</source>
        <translation>已于 %1 写入对讲机。</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>读取(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>写入(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Read from the radio</source>
        <translation>已从对讲机读取</translation>
    </message>
    <message>
        <source>%1 at %2.</source>
        <translation>%1，时间 %2。</translation>
    </message>
    <message>
        <source>Row %1: &quot;%2&quot; not kept; type its %3 first</source>
        <translation>第 %1 行：“%2”未保留；请先输入它的 %3</translation>
    </message>
    <message>
        <source>The %1 settings have changes that are not written to the radio.</source>
        <translation>%1 设置有尚未写入对讲机的更改。</translation>
    </message>
    <message>
        <source>Row %1, %2: &quot;%3&quot; is not one of %4</source>
        <translation>第 %1 行，%2：“%3”不是%4之一</translation>
    </message>
    <message>
        <source>the texts its list offers</source>
        <translation>其列表提供的文本</translation>
    </message>
    <message>
        <source>The %1 %2 was stopped because its window was closed.</source>
        <translation>%1%2已停止，因为其窗口已关闭。</translation>
    </message>
    <message>
        <source>The radio may hold part of what was written until you write the area again.</source>
        <translation>在您再次写入该区域之前，对讲机中可能只有部分写入的内容。</translation>
    </message>
    <message>
        <source>The radio stopped acknowledging, so the area was read back.</source>
        <translation>对讲机停止了确认应答，因此已读回该区域。</translation>
    </message>
    <message>
        <source>The radio answered only with blocks that were not asked for (%1 answers): check that it is the radio this tool is for.</source>
        <translation>对讲机只应答了未请求的数据块（%1 次应答）：请确认它是本软件所适用的对讲机。</translation>
    </message>
    <message>
        <source>It got this far: %1.</source>
        <translation>已完成到：%1。</translation>
    </message>
    <message>
        <source>The %1 %2 did not complete because the radio stopped answering.</source>
        <translation>%1%2未完成，因为对讲机停止了应答。</translation>
    </message>
    <message>
        <source>%1 block %2 (%3): %4; a write keeps the radio&apos;s bytes while the block is unchanged</source>
        <translation>%1 第 %2 块（%3）：%4；该块未改动时，写入会保留对讲机原有的字节</translation>
    </message>
    <message>
        <source>nothing shown</source>
        <translation>未显示</translation>
    </message>
    <message>
        <source>%1 block %2, byte d%3: the radio&apos;s %4 is not shown; a write keeps it while the block is unchanged, and sends %5 once it has changed</source>
        <translation>%1 第 %2 块，字节 d%3：对讲机中的 %4 未显示；该块未改动时写入会保留它，改动后则写入 %5</translation>
    </message>
    <message>
        <source>%1, %2: the radio&apos;s %3 (block %4, byte d%5) would be written as %6; a write keeps the radio&apos;s byte while the %7 is unchanged</source>
        <translation>%1，%2：对讲机中的 %3（第 %4 块，字节 d%5）将被写为 %6；%7 未改动时，写入会保留对讲机原有的字节</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;list&quot;&gt;1 value this window cannot write back as read&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;list&quot;&gt;1 个值无法按读取时的原样从本窗口写回&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;list&quot;&gt;%1 values this window cannot write back as read&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;list&quot;&gt;%1 个值无法按读取时的原样从本窗口写回&lt;/a&gt;</translation>
    </message>
    <message>
        <source>The %1 write was refused: %2 shows the radio&apos;s %3, which the window cannot write back, and its row has changed. Choose a value for it, or undo the changes to its row.</source>
        <translation>%1 写入被拒绝：%2 显示的是对讲机中的 %3，本窗口无法写回它，而它所在的行已更改。请为它选择一个值，或撤销对该行的更改。</translation>
    </message>
    <message>
        <source>The %1 window has not been read from the radio. Writing replaces the radio&apos;s %1 settings with what it shows.</source>
        <translation>%1 窗口尚未从对讲机读取。写入将用窗口中显示的内容替换对讲机的 %1 设置。</translation>
    </message>
    <message>
        <source>%1: the area has not been read whole.</source>
        <translation>%1：该区域未完整读取。</translation>
    </message>
    <message>
        <source>%1 block %2, d%3: written 0x%4, read 0x%5</source>
        <translation>%1 第 %2 块，d%3：写入 0x%4，读回 0x%5</translation>
    </message>
    <message>
        <source>The radio answered late or twice, so the area was read back after the write.</source>
        <translation>对讲机应答延迟或重复，因此写入后已读回该区域。</translation>
    </message>
    <message>
        <source>The %1 write did not complete: the radio holds other values than were written.</source>
        <translation>%1 写入未完成：对讲机中的值与写入的不同。</translation>
    </message>
    <message>
        <source>%1 Not as written: block %2 (of 0 to %3). It differs in:
</source>
        <translation>%1 与写入的不同：第 %2 块（共 0 到 %3 块）。不同之处：
</translation>
    </message>
    <message>
        <source>%1 Not as written: blocks %2 (of 0 to %3). It differs in:
</source>
        <translation>%1 与写入的不同：第 %2 块（共 0 到 %3 块）。不同之处：
</translation>
    </message>
    <message>
        <source>Written to the radio</source>
        <translation>已写入对讲机</translation>
    </message>
    <message>
        <source>%1 stopped after %2 of %3 blocks, and its read-back was not answered</source>
        <translation>%1 在第 %2 块（共 %3 块）后中止，且读回无应答</translation>
    </message>
    <message>
        <source>%1 written, its read-back not finished</source>
        <translation>%1 已写入，读回校验未完成</translation>
    </message>
    <message>
        <source>%1 not written</source>
        <translation>%1 未写入</translation>
    </message>
    <message>
        <source>%1 stopped after %2 of %3 blocks</source>
        <translation>%1 在第 %2 块（共 %3 块）后中止</translation>
    </message>
    <message>
        <source>WRITE SUCCEED!</source>
        <translation>写入成功！</translation>
    </message>
</context>
<context>
    <name>lumora::TXStringGrid</name>
    <message>
        <source>Row %1</source>
        <translation>第 %1 行</translation>
    </message>
</context>
</TS>
