<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Accessibility</name>
    <message>
        <source>Solve time</source>
        <translation>还原时间</translation>
    </message>
    <message>
        <source>3D cube</source>
        <translation>三维魔方</translation>
    </message>
    <message>
        <source>2D cube</source>
        <translation>二维魔方</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>Best:</source>
        <translation>最好:</translation>
    </message>
    <message>
        <source>Worst:</source>
        <translation>最差:</translation>
    </message>
    <message>
        <source>Average:</source>
        <translation>平均:</translation>
    </message>
    <message>
        <source>Deviation:</source>
        <translation>标准差:</translation>
    </message>
    <message>
        <source>green</source>
        <comment>sticker colour</comment>
        <translation>绿</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>sticker colour</comment>
        <translation>蓝</translation>
    </message>
    <message>
        <source>yellow</source>
        <comment>sticker colour</comment>
        <translation>黄</translation>
    </message>
    <message>
        <source>white</source>
        <comment>sticker colour</comment>
        <translation>白</translation>
    </message>
    <message>
        <source>red</source>
        <comment>sticker colour</comment>
        <translation>红</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>sticker colour</comment>
        <translation>橙</translation>
    </message>
    <message>
        <source>Up</source>
        <comment>face of the cube</comment>
        <translation>上</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>face of the cube</comment>
        <translation>左</translation>
    </message>
    <message>
        <source>Front</source>
        <comment>face of the cube</comment>
        <translation>前</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>face of the cube</comment>
        <translation>右</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>face of the cube</comment>
        <translation>后</translation>
    </message>
    <message>
        <source>Down</source>
        <comment>face of the cube</comment>
        <translation>下</translation>
    </message>
    <message>
        <source>Top</source>
        <comment>face of the cube, as the 3D picture shows it</comment>
        <translation>上</translation>
    </message>
    <message>
        <source>prime</source>
        <comment>spoken after a face letter: F&apos; is &quot;F prime&quot;</comment>
        <translation>撇</translation>
    </message>
    <message>
        <source>two</source>
        <comment>spoken after a face letter: F2 is &quot;F two&quot;</comment>
        <translation>二</translation>
    </message>
    <message>
        <source>Scramble: %1.</source>
        <comment>spoken; %1 is the turns</comment>
        <translation>打乱：%1。</translation>
    </message>
    <message>
        <source>Countdown %1</source>
        <comment>spoken as a countdown starts; %1 is its seconds, 4 to 20</comment>
        <translation>观察 %1</translation>
    </message>
    <message>
        <source>Go</source>
        <comment>spoken as the timing starts</comment>
        <translation>开始</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <comment>spoken; %1 is the time</comment>
        <translation>已保存 %1。</translation>
    </message>
    <message>
        <source>Plus two, %1.</source>
        <comment>spoken for a +2 penalty; %1 is the time</comment>
        <translation>加二，%1。</translation>
    </message>
    <message>
        <source>DNF.</source>
        <comment>spoken</comment>
        <translation>DNF。</translation>
    </message>
    <message>
        <source>Discarded.</source>
        <comment>spoken</comment>
        <translation>已丢弃。</translation>
    </message>
</context>
<context>
    <name>cubetimer::AboutWindow</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Written by: Quorvanta</source>
        <translation>作者：Quorvanta</translation>
    </message>
    <message>
        <source>Written in C++20 with the Qt 6 Widgets toolkit. Built with CMake; every time is measured with the system&apos;s monotonic clock.</source>
        <translation>使用 C++20 和 Qt 6 Widgets 工具包编写，由 CMake 构建；每次成绩均由系统的单调时钟计时。</translation>
    </message>
    <message>
        <source>Thanks to:</source>
        <translation>感谢：</translation>
    </message>
    <message>
        <source>the speedcubing community, whose timers, notation and habits shaped this program.</source>
        <translation>魔方速拧社区，他们的计时器、公式记号和习惯塑造了这个程序。</translation>
    </message>
    <message>
        <source>every cubing club and forum that shares scrambles, methods and advice with newcomers.</source>
        <translation>每一个与新手分享打乱、方法和建议的魔方俱乐部和论坛。</translation>
    </message>
    <message>
        <source>Thank very much to the author of code for 3D cube simulation.</source>
        <translation>非常感谢三维魔方模拟代码的作者。</translation>
    </message>
    <message>
        <source>Finally thanks to all persons that helped me in the past for increase my coding skill.</source>
        <translation>最后，感谢过去所有帮助我提高编程水平的人。</translation>
    </message>
    <message>
        <source>Please report any fault or problem on the product web site, in its Rubik&apos;s Cube section.</source>
        <translation>如有任何错误或问题，请在产品网站的 Rubik&apos;s Cube 栏目中报告。</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Enter or Escape closes the window</source>
        <translation>按 Enter 或 Esc 关闭窗口</translation>
    </message>
</context>
<context>
    <name>cubetimer::ContestWindow</name>
    <message>
        <source>Scrambles for contest</source>
        <translation>比赛打乱</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>复制到剪贴板</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>已复制到剪贴板</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>cubetimer::DetailsWindow</name>
    <message>
        <source>Session details</source>
        <translation>分组详情</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>复制到剪贴板</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>已复制到剪贴板</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>保存到文件</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Save results on file</source>
        <translation>将成绩保存到文件</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
    <message>
        <source>The file could not be saved!</source>
        <translation>无法保存文件！</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>错误</translation>
    </message>
</context>
<context>
    <name>cubetimer::EditTimeDialog</name>
    <message>
        <source>Edit Time</source>
        <translation>编辑成绩</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>s/100</source>
        <translation>1/100 秒</translation>
    </message>
    <message>
        <source>Change!</source>
        <translation>修改！</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Hundredths</source>
        <translation>百分之一秒</translation>
    </message>
    <message>
        <source>Can&apos;t add a null time!</source>
        <translation>不能添加为零的成绩！</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>错误</translation>
    </message>
</context>
<context>
    <name>cubetimer::MainWindow</name>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Countdown stopped</source>
        <translation>观察已停止</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>It is not possible to use DNF more than once in only one session!</source>
        <translation>每个分组只能使用一次 DNF！</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>The session has ended!<byte value="xd"/>
Would you like to see results?</source>
        <translation>本分组已结束！<byte value="xd"/>
要查看成绩吗？</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Are you really sure to reset whole session?</source>
        <translation>确定要重置整个分组吗？</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Select scramble text file</source>
        <translation>选择打乱文本文件</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>File not accessible!</source>
        <translation>无法访问文件！</translation>
    </message>
    <message>
        <source>File is empty! Random scrambles will be generated.</source>
        <translation>文件为空！将生成随机打乱。</translation>
    </message>
    <message>
        <source>Incorrect file format! Random scrambles will be generated.</source>
        <translation>文件格式不正确！将生成随机打乱。</translation>
    </message>
    <message>
        <source>File is too large! Random scrambles will be generated.</source>
        <translation>文件过大！将生成随机打乱。</translation>
    </message>
    <message>
        <source>No more scrambles imported! Random scrambles will be generated.</source>
        <translation>导入的打乱已用完！将生成随机打乱。</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>控制</translation>
    </message>
    <message>
        <source>+2</source>
        <translation>+2</translation>
    </message>
    <message>
        <source>DNF</source>
        <translation>DNF</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>丢弃</translation>
    </message>
    <message>
        <source>Countdown (s)</source>
        <translation>观察（秒）</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>分组</translation>
    </message>
    <message>
        <source>12 Solves</source>
        <translation>12 次还原</translation>
    </message>
    <message>
        <source>5 Solves</source>
        <translation>5 次还原</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>详情</translation>
    </message>
    <message>
        <source>Solve numbers</source>
        <translation>还原序号</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>成绩</translation>
    </message>
    <message>
        <source>F2 or a double click edits the selected time</source>
        <translation>按 F2 或双击可编辑所选成绩</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>打乱</translation>
    </message>
    <message>
        <source>Import Scrambles</source>
        <translation>导入打乱</translation>
    </message>
    <message>
        <source>New Scramble</source>
        <translation>新打乱</translation>
    </message>
    <message>
        <source>Generate 13 scrambles</source>
        <translation>生成 13 条打乱</translation>
    </message>
    <message>
        <source>View Cube</source>
        <translation>显示魔方</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Written by Quorvanta</source>
        <translation>作者：Quorvanta</translation>
    </message>
    <message>
        <source>Link: opens the web site</source>
        <translation>链接：打开网站</translation>
    </message>
    <message>
        <source>3D Cube</source>
        <translation>三维</translation>
    </message>
    <message>
        <source>2D Cube</source>
        <translation>二维</translation>
    </message>
    <message>
        <source>Turn the whole cube as %1</source>
        <translation>按 %1 转动整个魔方</translation>
    </message>
    <message>
        <source>Turn %1</source>
        <translation>转动 %1</translation>
    </message>
    <message>
        <source>Stackmat timer</source>
        <translation>Stackmat 计时器</translation>
    </message>
    <message>
        <source>Timer reset: the solve is not recorded</source>
        <translation>计时器已归零：本次还原不记录</translation>
    </message>
</context>
<context>
    <name>cubetimer::SplashWindow</name>
    <message>
        <source>Starting Quorvanta Rubik&apos;s Timer</source>
        <translation>正在启动 Quorvanta Rubik&apos;s Timer</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>正在加载</translation>
    </message>
</context>
<context>
    <name>cubetimer::StackmatControl</name>
    <message>
        <source>Reads a Stackmat timer on the default sound input</source>
        <translation>从默认声音输入读取 Stackmat 计时器</translation>
    </message>
    <message>
        <source>Stackmat off</source>
        <translation>Stackmat 已关闭</translation>
    </message>
    <message>
        <source>Reads a Stackmat timer on the default sound input: %1</source>
        <translation>从默认声音输入读取 Stackmat 计时器：%1</translation>
    </message>
    <message>
        <source>Stackmat: no signal</source>
        <translation>Stackmat：无信号</translation>
    </message>
    <message>
        <source>Stackmat: timer found</source>
        <translation>Stackmat：已找到计时器</translation>
    </message>
    <message>
        <source>Stackmat: signal lost, the solve goes on</source>
        <translation>Stackmat：信号丢失，还原继续计时</translation>
    </message>
    <message>
        <source>Stackmat: signal lost</source>
        <translation>Stackmat：信号丢失</translation>
    </message>
</context>
</TS>
