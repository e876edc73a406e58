<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CArmView</name>
    <message>
        <source>Side view</source>
        <translation>侧视图</translation>
    </message>
    <message>
        <source>Top view</source>
        <translation>俯视图</translation>
    </message>
</context>
<context>
    <name>CArmViewWindow</name>
    <message>
        <source>Arm View</source>
        <translation>机械臂视图</translation>
    </message>
</context>
<context>
    <name>CConfigInitialPoseDialog</name>
    <message>
        <source>Initial Pose</source>
        <translation>初始姿态</translation>
    </message>
    <message>
        <source>LongArmAngle</source>
        <translation>大臂角度</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Initial long arm angle</source>
        <translation>大臂的初始角度</translation>
    </message>
    <message>
        <source>ShortArmAngle</source>
        <translation>小臂角度</translation>
    </message>
    <message>
        <source>Initial short arm angle</source>
        <translation>小臂的初始角度</translation>
    </message>
</context>
<context>
    <name>CConfigJogDialog</name>
    <message>
        <source>Teach Parameters</source>
        <translation>示教参数</translation>
    </message>
    <message>
        <source>JointVelocity</source>
        <translation>关节速度</translation>
    </message>
    <message>
        <source>°/s</source>
        <translation>°/s</translation>
    </message>
    <message>
        <source>Velocity of single joint</source>
        <translation>单个关节的速度</translation>
    </message>
    <message>
        <source>JointAcceleration</source>
        <translation>关节加速度</translation>
    </message>
    <message>
        <source>°/(s·s)</source>
        <translation>°/(s·s)</translation>
    </message>
    <message>
        <source>Acceleration of single joint</source>
        <translation>单个关节的加速度</translation>
    </message>
    <message>
        <source>ServoVelocity</source>
        <translation>舵机速度</translation>
    </message>
    <message>
        <source>Velocity of the servo</source>
        <translation>舵机的速度</translation>
    </message>
    <message>
        <source>ServoAcceleration</source>
        <translation>舵机加速度</translation>
    </message>
    <message>
        <source>Acceleration of the servo</source>
        <translation>舵机的加速度</translation>
    </message>
    <message>
        <source>LinearVelocity</source>
        <translation>直线速度</translation>
    </message>
    <message>
        <source>mm/s</source>
        <translation>mm/s</translation>
    </message>
    <message>
        <source>Velocity of joint synthesis motion</source>
        <translation>关节合成运动的速度</translation>
    </message>
    <message>
        <source>LinearAcceleration</source>
        <translation>直线加速度</translation>
    </message>
    <message>
        <source>mm/(s·s)</source>
        <translation>mm/(s·s)</translation>
    </message>
    <message>
        <source>Acceleration of joint synthesis motion</source>
        <translation>关节合成运动的加速度</translation>
    </message>
</context>
<context>
    <name>CConfigLanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>New language will become effective when the application starts next time!</source>
        <translation>新的语言将在下次启动程序时生效！</translation>
    </message>
</context>
<context>
    <name>CConfigPlaybackDialog</name>
    <message>
        <source>Playback Parameters</source>
        <translation>回放参数</translation>
    </message>
    <message>
        <source>JointVelocity</source>
        <translation>关节速度</translation>
    </message>
    <message>
        <source>°/s</source>
        <translation>°/s</translation>
    </message>
    <message>
        <source>Velocity of single joint</source>
        <translation>单个关节的速度</translation>
    </message>
    <message>
        <source>JointAcceleration</source>
        <translation>关节加速度</translation>
    </message>
    <message>
        <source>°/(s·s)</source>
        <translation>°/(s·s)</translation>
    </message>
    <message>
        <source>Acceleration of single joint</source>
        <translation>单个关节的加速度</translation>
    </message>
    <message>
        <source>ServoVelocity</source>
        <translation>舵机速度</translation>
    </message>
    <message>
        <source>Velocity of the servo</source>
        <translation>舵机的速度</translation>
    </message>
    <message>
        <source>ServoAcceleration</source>
        <translation>舵机加速度</translation>
    </message>
    <message>
        <source>Acceleration of the servo</source>
        <translation>舵机的加速度</translation>
    </message>
    <message>
        <source>LinearVelocity</source>
        <translation>直线速度</translation>
    </message>
    <message>
        <source>mm/s</source>
        <translation>mm/s</translation>
    </message>
    <message>
        <source>Velocity of joint synthesis motion</source>
        <translation>关节合成运动的速度</translation>
    </message>
    <message>
        <source>LinearAcceleration</source>
        <translation>直线加速度</translation>
    </message>
    <message>
        <source>mm/(s·s)</source>
        <translation>mm/(s·s)</translation>
    </message>
    <message>
        <source>Acceleration of joint synthesis motion</source>
        <translation>关节合成运动的加速度</translation>
    </message>
    <message>
        <source>pauseTime</source>
        <translation>暂停时间</translation>
    </message>
    <message>
        <source>s</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Pause time between two playback points</source>
        <translation>两个回放点之间的暂停时间</translation>
    </message>
    <message>
        <source>jumpHeight</source>
        <translation>跳跃高度</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Jump height when use JUMP motion style</source>
        <translation>使用 JUMP 运动方式时的跳跃高度</translation>
    </message>
</context>
<context>
    <name>CDrawingImportDialog</name>
    <message>
        <source>Import drawing</source>
        <translation>导入图形</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n strokes</source>
        <translation>
            <numerusform>%1：%n 个笔画</numerusform>
        </translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Fit to reach</source>
        <translation>缩放至可达范围</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>尺寸</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>中心</translation>
    </message>
    <message>
        <source>The pen touches here</source>
        <translation>笔尖触及此处</translation>
    </message>
    <message>
        <source>Surface height</source>
        <translation>绘图面高度</translation>
    </message>
    <message>
        <source>Touched %1</source>
        <translation>触碰点 %1</translation>
    </message>
    <message>
        <source>Tilted surface</source>
        <translation>倾斜绘图面</translation>
    </message>
    <message>
        <source>Follow the plane through the three touched points</source>
        <translation>贴合经过三个触碰点的平面</translation>
    </message>
    <message>
        <source>Touch the surface with the pen at three places far apart.</source>
        <translation>用笔尖在绘图面上相距较远的三个位置各触碰一次。</translation>
    </message>
    <message>
        <source>Order the strokes to shorten the pen&apos;s travel</source>
        <translation>调整笔画顺序以缩短笔的移动距离</translation>
    </message>
    <message>
        <source>The plane through them tilts %1°.</source>
        <translation>经过这些点的平面倾斜 %1°。</translation>
    </message>
    <message>
        <source>The pen travels %1 mm lifted.</source>
        <translation>抬笔移动距离为 %1 mm。</translation>
    </message>
    <message>
        <source>The pen travels %1 mm lifted, %2 mm in the file&apos;s order.</source>
        <translation>抬笔移动距离为 %1 mm，按文件中的顺序则为 %2 mm。</translation>
    </message>
    <message>
        <source>All of the drawing lies within the arm&apos;s reach.</source>
        <translation>整个图形都在机械臂的可达范围内。</translation>
    </message>
    <message numerus="yes">
        <source>%1 mm of the %2 mm drawn (%3%) lies outside the arm&apos;s reach; %n points are out of reach.</source>
        <translation>
            <numerusform>绘制的 %2 mm 中有 %1 mm（%3%）超出机械臂的可达范围；%n 个点超出可达范围。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows</source>
        <translation>
            <numerusform>%n 行</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDrawingPlacementView</name>
    <message>
        <source>Drag to move the drawing; the mouse wheel zooms.</source>
        <translation>拖动可移动图形；滚动鼠标滚轮可缩放。</translation>
    </message>
</context>
<context>
    <name>CEEGCurveDialog</name>
    <message>
        <source>EEG Curve</source>
        <translation>脑电曲线</translation>
    </message>
    <message>
        <source>Looking for the headset...</source>
        <translation>正在查找脑电耳机...</translation>
    </message>
    <message>
        <source>No headset found: no serial port is described as &quot;%1&quot;. Set %2 to the headset&apos;s port.</source>
        <translation>未找到脑电耳机：没有描述为“%1”的串口。请将 %2 设为耳机的端口。</translation>
    </message>
    <message>
        <source>The headset&apos;s port %1 cannot be opened: %2</source>
        <translation>无法打开脑电耳机的端口 %1：%2</translation>
    </message>
    <message>
        <source>Reading the headset on %1, waiting for frames...</source>
        <translation>正在读取 %1 上的脑电耳机，等待数据帧...</translation>
    </message>
    <message>
        <source>Receiving frames from the headset on %1</source>
        <translation>正在接收 %1 上脑电耳机的数据帧</translation>
    </message>
    <message>
        <source>The headset on %1 was lost: it was unplugged, or its port stopped answering.</source>
        <translation>%1 上的脑电耳机已断开：耳机被拔出，或其端口不再响应。</translation>
    </message>
</context>
<context>
    <name>CLineEditTableDelegate</name>
    <message>
        <source>%1 must be between %2 and %3</source>
        <translation>%1 必须介于 %2 和 %3 之间</translation>
    </message>
</context>
<context>
    <name>CPlaybackTableView</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Failed to import playback points!</source>
        <translation>导入回放点失败！</translation>
    </message>
    <message>
        <source>Delete all points?</source>
        <translation>确定删除所有点吗？</translation>
    </message>
    <message>
        <source>Insert above this row</source>
        <translation>在此行上方插入</translation>
    </message>
    <message>
        <source>Overide this row</source>
        <translation>覆盖此行</translation>
    </message>
    <message>
        <source>Insert below this row</source>
        <translation>在此行下方插入</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Run to this row</source>
        <translation>运行到此行</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>单步</translation>
    </message>
    <message>
        <source>Play from this row</source>
        <translation>从此行开始播放</translation>
    </message>
    <message>
        <source>Delete current row</source>
        <translation>删除当前行</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>全部删除</translation>
    </message>
    <message>
        <source>That command cannot be used on multiple selections!</source>
        <translation>该命令不能用于多行选择！</translation>
    </message>
    <message>
        <source>Overwrite row</source>
        <translation>覆盖行</translation>
    </message>
    <message>
        <source>Insert row</source>
        <translation>插入行</translation>
    </message>
    <message numerus="yes">
        <source>Import %n point(s)</source>
        <translation>
            <numerusform>导入 %n 个点</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit cell</source>
        <translation>编辑单元格</translation>
    </message>
    <message numerus="yes">
        <source>Cut %n row(s)</source>
        <translation>
            <numerusform>剪切 %n 行</numerusform>
        </translation>
    </message>
    <message>
        <source>Duplicate row</source>
        <translation>复制行</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n row(s)</source>
        <translation>
            <numerusform>删除 %n 行</numerusform>
        </translation>
    </message>
    <message>
        <source>Move row</source>
        <translation>移动行</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message numerus="yes">
        <source>Paste %n row(s)</source>
        <translation>
            <numerusform>粘贴 %n 行</numerusform>
        </translation>
    </message>
    <message>
        <source>Import drawing...</source>
        <translation>导入图形...</translation>
    </message>
</context>
<context>
    <name>CPointsRecovery</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The playback table that was not saved when the program last ended could not be read.
The file was kept as:
%1</source>
        <translation>程序上次结束时未保存的回放点表无法读取。
该文件已保留为：
%1</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>The program ended without saving the playback table.
The unsaved table has %1 points and was last written at %2.

Restore it? If you discard it, it is kept as:
%3</source>
        <translation>程序结束时未保存回放点表。
未保存的表共有 %1 个点，最后写入于 %2。

是否恢复？如果放弃，该表将保留为：
%3</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>恢复(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>放弃(&amp;D)</translation>
    </message>
</context>
<context>
    <name>CShowNewFeaturesDialog</name>
    <message>
        <source>Important Upgrading Notice</source>
        <translation>重要升级通知</translation>
    </message>
    <message>
        <source>Upgrade my firmware</source>
        <translation>升级固件</translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation>稍后提醒我</translation>
    </message>
</context>
<context>
    <name>CShowResultDialog</name>
    <message>
        <source>ERROR</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
</context>
<context>
    <name>DrawingFile</name>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 不是文件。</translation>
    </message>
    <message>
        <source>%1 is %2 MB; drawings larger than %3 MB are not read.</source>
        <translation>%1 大小为 %2 MB；不会读取大于 %3 MB 的图形文件。</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
</context>
<context>
    <name>GcodeDrawingReader</name>
    <message>
        <source>The drawing has more than %1 segments, more than a point table can hold for a run.</source>
        <translation>该图形包含超过 %1 条线段，超出了点表单次运行所能容纳的数量。</translation>
    </message>
    <message>
        <source>Line %1: %2 is out of range.</source>
        <translation>第 %1 行：%2 超出范围。</translation>
    </message>
    <message>
        <source>Line %1: no arc of radius %2 joins its two ends.</source>
        <translation>第 %1 行：没有半径为 %2 的圆弧能连接其两个端点。</translation>
    </message>
    <message>
        <source>Line %1: the arc&apos;s end is not on its circle.</source>
        <translation>第 %1 行：圆弧的终点不在其圆上。</translation>
    </message>
    <message>
        <source>Line %1 is longer than %2 characters: this is not G-code.</source>
        <translation>第 %1 行超过 %2 个字符：这不是 G-code。</translation>
    </message>
    <message>
        <source>Line %1 is not G-code: %2</source>
        <translation>第 %1 行不是 G-code：%2</translation>
    </message>
    <message>
        <source>The file draws nothing: no G1, G2 or G3 move with the pen down.</source>
        <translation>该文件未绘制任何内容：没有在落笔状态下的 G1、G2 或 G3 移动。</translation>
    </message>
    <message>
        <source>The file draws nothing: it never lowers the pen with M3.</source>
        <translation>该文件未绘制任何内容：从未用 M3 落笔。</translation>
    </message>
    <message>
        <source>Heights (Z) left out: the drawing surface sets the pen&apos;s height.</source>
        <translation>已忽略高度（Z）：笔的高度由绘图面决定。</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n time(s))</source>
        <translation>
            <numerusform>%1（%n 次）</numerusform>
        </translation>
    </message>
    <message>
        <source>Left out, not understood: %1.</source>
        <translation>已忽略无法识别的内容：%1。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Exit the application</source>
        <translation>退出应用程序</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>连接(&amp;C)</translation>
    </message>
    <message>
        <source>Connect the Arvex controller</source>
        <translation>连接 Arvex 控制器</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>断开连接(&amp;D)</translation>
    </message>
    <message>
        <source>Disconnect the Arvex controller</source>
        <translation>断开与 Arvex 控制器的连接</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>复位(&amp;R)</translation>
    </message>
    <message>
        <source>Reset the Arvex controller</source>
        <translation>复位 Arvex 控制器</translation>
    </message>
    <message>
        <source>&amp;Upgrade firmware</source>
        <translation>升级固件(&amp;U)</translation>
    </message>
    <message>
        <source>Upgrade the Arvex controller firmware</source>
        <translation>升级 Arvex 控制器的固件</translation>
    </message>
    <message>
        <source>&amp;Initial Pose...</source>
        <translation>初始姿态(&amp;I)...</translation>
    </message>
    <message>
        <source>Config the initial pose</source>
        <translation>设置初始姿态</translation>
    </message>
    <message>
        <source>Config &amp;Teach...</source>
        <translation>示教参数(&amp;T)...</translation>
    </message>
    <message>
        <source>Config the teach parameters</source>
        <translation>设置示教参数</translation>
    </message>
    <message>
        <source>Config &amp;Playback...</source>
        <translation>回放参数(&amp;P)...</translation>
    </message>
    <message>
        <source>Config the playback parameters</source>
        <translation>设置回放参数</translation>
    </message>
    <message>
        <source>EEG...</source>
        <translation>脑电图...</translation>
    </message>
    <message>
        <source>Show EEG curve dialog</source>
        <translation>显示脑电曲线对话框</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>语言(&amp;L)...</translation>
    </message>
    <message>
        <source>Config the application language</source>
        <translation>设置应用程序的语言</translation>
    </message>
    <message>
        <source>&lt;p align=&apos;center&apos;&gt;If the problem can&apos;t be solved by following the previous tips, please contact </source>
        <translation>&lt;p align=&apos;center&apos;&gt;如果按照以上提示仍无法解决问题，请联系 </translation>
    </message>
    <message>
        <source> for support.&lt;/p&gt;</source>
        <translation> 获取技术支持。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;1. Please ensure both sensors are connected and installed on the Arvex properly.&lt;/p&gt;&lt;p&gt;2. Please switch the cables of the sensors to check the problem is caused by the sensor or the cable.&lt;/p&gt;&lt;p&gt;3. Please reset the controller after you connect the sensor cable.&lt;/p&gt;&lt;p&gt;4. You can still use Arvex by manually set angle value:&lt;b&gt;Menu&lt;/b&gt;--&gt;&lt;b&gt;Initial Pose...&lt;/b&gt;.&lt;p&gt;</source>
        <translation>&lt;p&gt;1. 请确保两个传感器均已正确连接并安装在 Arvex 上。&lt;/p&gt;&lt;p&gt;2. 请互换两个传感器的连接线，以判断问题是出在传感器还是连接线上。&lt;/p&gt;&lt;p&gt;3. 连接传感器线缆后，请复位控制器。&lt;/p&gt;&lt;p&gt;4. 您仍然可以通过手动设置角度值来使用 Arvex：&lt;b&gt;菜单&lt;/b&gt;--&gt;&lt;b&gt;初始姿态...&lt;/b&gt;。&lt;p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-size:22px; color:#3B5B98&apos;&gt;Warning4 : Controller is connected properly, but there is no reading from the &lt;b&gt;rear arm sensor&lt;/b&gt;.&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:22px; color:#3B5B98&apos;&gt;警告4：控制器已正确连接，但&lt;b&gt;大臂传感器&lt;/b&gt;没有读数。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-size:22px; color:#3B5B98&apos;&gt;Warning5 : Controller is connected properly, but there is no reading from the &lt;b&gt;fore arm sensor&lt;/b&gt;.&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:22px; color:#3B5B98&apos;&gt;警告5：控制器已正确连接，但&lt;b&gt;小臂传感器&lt;/b&gt;没有读数。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-size:22px; color:#3B5B98&apos;&gt;Warning6 : Controller is connected properly, but there is no reading from both  &lt;b&gt;fore arm and rear arm sensors&lt;/b&gt;.&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:22px; color:#3B5B98&apos;&gt;警告6：控制器已正确连接，但&lt;b&gt;小臂和大臂传感器&lt;/b&gt;均没有读数。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-size:22px; color:#3B5B98&apos;&gt;Error1 : Arvex Controller is not found!&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:22px; color:#3B5B98&apos;&gt;错误1：未找到 Arvex 控制器！&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;1. Please check if your Arvex is connected to your PC with USB.&lt;/p&gt;&lt;p&gt;2. Please ensure that the Arduino driver is installed properly. You can check if there is &quot;Arduino&quot; device in your device manager.If not, please install Arduino driver. You can do this manually by &lt;b&gt;Right Click.&lt;/b&gt; the unknow device--&gt;&lt;b&gt;Update Driver Software...&lt;/b&gt;--&gt;&lt;b&gt;Browse my computer for driver software&lt;/b&gt;--&gt;locate the Arduino driver flolder--&gt;&lt;b&gt;Next&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;3. If the problem still can&apos;t be solved, please unplug the USB cable and try it on another USB port.&lt;/p&gt;</source>
        <translation>&lt;p&gt;1. 请检查 Arvex 是否已通过 USB 连接到电脑。&lt;/p&gt;&lt;p&gt;2. 请确保已正确安装 Arduino 驱动程序。您可以在设备管理器中查看是否有“Arduino”设备。如果没有，请安装 Arduino 驱动程序。手动安装方法：&lt;b&gt;右键单击&lt;/b&gt;未知设备--&gt;&lt;b&gt;更新驱动程序软件...&lt;/b&gt;--&gt;&lt;b&gt;浏览计算机以查找驱动程序软件&lt;/b&gt;--&gt;找到 Arduino 驱动程序所在的文件夹--&gt;&lt;b&gt;下一步&lt;/b&gt;。&lt;/p&gt;&lt;p&gt;3. 如果问题仍无法解决，请拔下 USB 线，换一个 USB 端口再试。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-size:22px; color:#3B5B98&apos;&gt;Error2 : The COM port can&apos;t be open!&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:22px; color:#3B5B98&apos;&gt;错误2：无法打开 COM 端口！&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;1. Please check if the COM port is occupied by other software. It could be another Arduino software or unclosed Arvex software.&lt;/p&gt;&lt;p&gt;2. Unplug the USB cable, replug it, open the software and try again.&lt;/p&gt;&lt;p&gt;3. If the problem cannot be solved, you can try to restart your PC and try again.&lt;/p&gt;</source>
        <translation>&lt;p&gt;1. 请检查 COM 端口是否被其他软件占用，可能是其他 Arduino 软件或未关闭的 Arvex 软件。&lt;/p&gt;&lt;p&gt;2. 拔下 USB 线后重新插上，再打开软件重试。&lt;/p&gt;&lt;p&gt;3. 如果问题仍无法解决，可以尝试重启电脑后再试。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-size:22px; color:#3B5B98&apos;&gt;Error3 : Arvex is connected property, but there is no data uploaded!&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:22px; color:#3B5B98&apos;&gt;错误3：Arvex 已正确连接，但没有上传数据！&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;1. Please switch the &lt;b&gt;USB/Bluetooth Switch&lt;/b&gt; to the USB end, &lt;b&gt;reset&lt;/b&gt; the controller and try again.&lt;/p&gt;&lt;p&gt;2. ArvexTools v1.3 using 9600bps as default BAUD rate. We recommend you to upgrade the controller to the lastest version.&lt;/p&gt;&lt;p&gt;3. Upgrade the firmware to lastest version and try again.&lt;b&gt;ArvexTools&lt;/b&gt;--&gt;&lt;b&gt;ArvexDownloadUtil&lt;/b&gt;--&gt;&lt;b&gt;Open the lastest version hex file from hex folder&lt;/b&gt;--&gt;&lt;b&gt;Download&lt;/b&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;1. 请将&lt;b&gt;USB/蓝牙切换开关&lt;/b&gt;拨到 USB 一端，&lt;b&gt;复位&lt;/b&gt;控制器后重试。&lt;/p&gt;&lt;p&gt;2. ArvexTools v1.3 默认使用 9600bps 波特率。建议您将控制器升级到最新版本。&lt;/p&gt;&lt;p&gt;3. 请将固件升级到最新版本后重试。&lt;b&gt;ArvexTools&lt;/b&gt;--&gt;&lt;b&gt;ArvexDownloadUtil&lt;/b&gt;--&gt;&lt;b&gt;从 hex 文件夹打开最新版本的 hex 文件&lt;/b&gt;--&gt;&lt;b&gt;下载&lt;/b&gt;。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>PLAYBACK</source>
        <translation>回放</translation>
    </message>
    <message>
        <source>Joint%1Angle</source>
        <translation>关节%1角度</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>导入...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>导出...</translation>
    </message>
    <message>
        <source>Loop Number</source>
        <translation>循环次数</translation>
    </message>
    <message>
        <source>Current Loop</source>
        <translation>当前循环</translation>
    </message>
    <message>
        <source>Velocity Ratio</source>
        <translation>速度比例</translation>
    </message>
    <message>
        <source>Acceleratio Ratio</source>
        <translation>加速度比例</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Open xml files</source>
        <translation>打开 XML 文件</translation>
    </message>
    <message>
        <source>XML file(*.xml)</source>
        <translation>XML 文件(*.xml)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Failed to import playback points!</source>
        <translation>导入回放点失败！</translation>
    </message>
    <message>
        <source>Save xml files</source>
        <translation>保存 XML 文件</translation>
    </message>
    <message>
        <source>Joint1+</source>
        <translation>关节1+</translation>
    </message>
    <message>
        <source>X+</source>
        <translation>X+</translation>
    </message>
    <message>
        <source>Joint1-</source>
        <translation>关节1-</translation>
    </message>
    <message>
        <source>X-</source>
        <translation>X-</translation>
    </message>
    <message>
        <source>Joint2+</source>
        <translation>关节2+</translation>
    </message>
    <message>
        <source>Y+</source>
        <translation>Y+</translation>
    </message>
    <message>
        <source>Joint2-</source>
        <translation>关节2-</translation>
    </message>
    <message>
        <source>Y-</source>
        <translation>Y-</translation>
    </message>
    <message>
        <source>Joint3+</source>
        <translation>关节3+</translation>
    </message>
    <message>
        <source>Z+</source>
        <translation>Z+</translation>
    </message>
    <message>
        <source>Joint3-</source>
        <translation>关节3-</translation>
    </message>
    <message>
        <source>Z-</source>
        <translation>Z-</translation>
    </message>
    <message>
        <source>Joint4+</source>
        <translation>关节4+</translation>
    </message>
    <message>
        <source>R+</source>
        <translation>R+</translation>
    </message>
    <message>
        <source>Joint4-</source>
        <translation>关节4-</translation>
    </message>
    <message>
        <source>R-</source>
        <translation>R-</translation>
    </message>
    <message>
        <source>TEACH</source>
        <translation>示教</translation>
    </message>
    <message>
        <source>JogMode</source>
        <translation>点动模式</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>关节</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>直线</translation>
    </message>
    <message>
        <source>EndType</source>
        <translation>末端类型</translation>
    </message>
    <message>
        <source>Pump</source>
        <translation>气泵</translation>
    </message>
    <message>
        <source>Gripper</source>
        <translation>夹爪</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开启</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Gripper+</source>
        <translation>夹爪+</translation>
    </message>
    <message>
        <source>Gripper-</source>
        <translation>夹爪-</translation>
    </message>
    <message>
        <source>The firmware download utility cannot be started:
%1</source>
        <translation>无法启动固件下载工具：
%1</translation>
    </message>
    <message>
        <source>Arm &amp;View...</source>
        <translation>机械臂视图(&amp;V)...</translation>
    </message>
    <message>
        <source>Show the arm, its reach and the playback points</source>
        <translation>显示机械臂、其可达范围和回放点</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 及另外 %2 行</translation>
    </message>
    <message>
        <source>The arm cannot reach the points of these rows: %1.
Start anyway?</source>
        <translation>机械臂无法到达以下行的点：%1。
仍然开始吗？</translation>
    </message>
    <message>
        <source>&amp;Start anyway</source>
        <translation>仍然开始(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Step went past the last row and starts again at row 1.</source>
        <translation>单步已越过最后一行，从第 1 行重新开始。</translation>
    </message>
    <message>
        <source>The arm did not go to row %1: the controller skipped its point.</source>
        <translation>机械臂没有去第 %1 行：控制器跳过了该点。</translation>
    </message>
    <message>
        <source>Failed to export playback points!</source>
        <translation>导出回放点失败！</translation>
    </message>
    <message>
        <source>Failed to save playback points!</source>
        <translation>保存回放点失败！</translation>
    </message>
    <message>
        <source>Allow &amp;Scripts</source>
        <translation>允许脚本(&amp;S)</translation>
    </message>
    <message>
        <source>Let programs of this user drive the arm through a local port</source>
        <translation>允许本用户的程序通过本机端口控制机械臂</translation>
    </message>
    <message>
        <source>Disconnect Script</source>
        <translation>断开脚本</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>断开</translation>
    </message>
    <message>
        <source>Scripts cannot be allowed: the local port for them cannot be opened.</source>
        <translation>无法允许脚本：无法打开脚本的本机端口。</translation>
    </message>
    <message>
        <source>Script &quot;%1&quot; connected since %2</source>
        <translation>脚本“%1”自 %2 起已连接</translation>
    </message>
    <message>
        <source>Script: append rows</source>
        <translation>脚本：追加行</translation>
    </message>
    <message>
        <source>Script: insert rows</source>
        <translation>脚本：插入行</translation>
    </message>
    <message>
        <source>Script: replace rows</source>
        <translation>脚本：替换行</translation>
    </message>
    <message>
        <source>Script: clear the table</source>
        <translation>脚本：清空表格</translation>
    </message>
    <message>
        <source>Import drawing</source>
        <translation>导入图形</translation>
    </message>
    <message>
        <source>Drawings (*.svg *.gcode *.nc *.ngc *.gc *.g *.tap *.txt);;All files (*)</source>
        <translation>图形文件(*.svg *.gcode *.nc *.ngc *.gc *.g *.tap *.txt);;所有文件(*)</translation>
    </message>
    <message>
        <source>The drawing cannot be imported.</source>
        <translation>无法导入该图形。</translation>
    </message>
</context>
<context>
    <name>SurfacePlane</name>
    <message>
        <source>The three points lie too close together or on one line: touch three corners of the paper.</source>
        <translation>三个点彼此太近或位于同一直线上：请触碰纸张的三个角。</translation>
    </message>
    <message>
        <source>The three points make a surface steeper than %1°.</source>
        <translation>三个点构成的平面倾斜超过 %1°。</translation>
    </message>
</context>
<context>
    <name>SvgDrawingReader</name>
    <message>
        <source>The drawing has more than %1 elements once its &lt;use&gt; elements are replaced by what they show: such a file is not read.</source>
        <translation>将 &lt;use&gt; 元素替换为其引用的内容后，该图形包含超过 %1 个元素：不会读取此类文件。</translation>
    </message>
    <message>
        <source>The file&apos;s XML entities are too long or made of other entities: such a file is not read.</source>
        <translation>该文件的 XML 实体过长或由其他实体构成：不会读取此类文件。</translation>
    </message>
    <message>
        <source>The file is not an SVG drawing.</source>
        <translation>该文件不是 SVG 图形。</translation>
    </message>
    <message>
        <source>The file is not well-formed XML (line %1: %2).</source>
        <translation>该文件不是格式正确的 XML（第 %1 行：%2）。</translation>
    </message>
    <message>
        <source>Qt SVG could not read the drawing.</source>
        <translation>Qt SVG 无法读取该图形。</translation>
    </message>
    <message>
        <source>The drawing gives no width and height: its units are taken as pixels, 96 to the inch.</source>
        <translation>该图形未指定宽度和高度：其单位按像素计算，每英寸 96 像素。</translation>
    </message>
    <message>
        <source>The drawing has more than %1 segments, more than a point table can hold for a run.</source>
        <translation>该图形包含超过 %1 条线段，超出了点表单次运行所能容纳的数量。</translation>
    </message>
    <message>
        <source>The drawing holds only images, which a pen cannot draw.</source>
        <translation>该图形只包含图像，笔无法绘制图像。</translation>
    </message>
    <message>
        <source>The drawing holds no lines, shapes or text to draw.</source>
        <translation>该图形不包含可绘制的线条、形状或文字。</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) left out: a pen draws only lines, shapes and text.</source>
        <translation>
            <numerusform>已忽略 %n 个图像：笔只能绘制线条、形状和文字。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UpdateKit::ProgressDialog</name>
    <message>
        <source>Check for Updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>正在检查更新…</translation>
    </message>
    <message>
        <source>Canceling update check…</source>
        <translation>正在取消更新检查…</translation>
    </message>
</context>
<context>
    <name>UpdateKit::UpdateController</name>
    <message>
        <source>Check for Updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Checks if new updates are available. You will be prompted before updates are installed.</source>
        <translation>检查是否有可用的新更新。安装更新前会先征求您的同意。</translation>
    </message>
    <message>
        <source>Do you want to check for updates now?</source>
        <translation>现在检查更新吗？</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The program is already checking for updates!</source>
        <translation>程序已在检查更新！</translation>
    </message>
    <message>
        <source>Checking for updates was canceled!</source>
        <translation>已取消检查更新！</translation>
    </message>
    <message>
        <source>Install Updates</source>
        <translation>安装更新</translation>
    </message>
    <message>
        <source>New updates are available. The maintenance tool will be started to install those as soon as you close the application!</source>
        <translation>有可用的新更新。关闭应用程序后将立即启动维护工具安装这些更新！</translation>
    </message>
    <message>
        <source>The update process crashed!</source>
        <translation>更新进程崩溃！</translation>
    </message>
    <message>
        <source>The maintenance tool finished with exit code %1.</source>
        <translation>维护工具已结束，退出代码为 %1。</translation>
    </message>
    <message>
        <source>Checking for updates failed!</source>
        <translation>检查更新失败！</translation>
    </message>
    <message>
        <source>No new updates available!</source>
        <translation>没有可用的新更新！</translation>
    </message>
    <message>
        <source>The maintenance tool was not found at %1.</source>
        <translation>在 %1 未找到维护工具。</translation>
    </message>
    <message>
        <source>The maintenance tool %1 could not be started.</source>
        <translation>无法启动维护工具 %1。</translation>
    </message>
    <message>
        <source>The maintenance tool could not be started, so the updates were not installed.</source>
        <translation>无法启动维护工具，因此未安装更新。</translation>
    </message>
</context>
<context>
    <name>UpdateKit::UpdateInfoDialog</name>
    <message>
        <source>%L1 Bytes</source>
        <translation>%L1 字节</translation>
    </message>
    <message>
        <source>%L1 KiB</source>
        <translation>%L1 KiB</translation>
    </message>
    <message>
        <source>%L1 MiB</source>
        <translation>%L1 MiB</translation>
    </message>
    <message>
        <source>%L1 GiB</source>
        <translation>%L1 GiB</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Updates for %1 are available!</source>
        <translation>%1 有可用的更新！</translation>
    </message>
    <message>
        <source>There are new updates available! You can install them now or later.</source>
        <translation>有可用的新更新！您可以现在安装，也可以稍后安装。</translation>
    </message>
    <message>
        <source>Updates:</source>
        <translation>更新：</translation>
    </message>
    <message>
        <source>Component Name</source>
        <translation>组件名称</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Update Size</source>
        <translation>更新大小</translation>
    </message>
    <message>
        <source>Run with &amp;elevated rights</source>
        <translation>以管理员权限运行(&amp;E)</translation>
    </message>
    <message>
        <source>Install later</source>
        <translation>稍后安装</translation>
    </message>
    <message>
        <source>Install On Exit</source>
        <translation>退出时安装</translation>
    </message>
    <message>
        <source>Install Now</source>
        <translation>立即安装</translation>
    </message>
    <message>
        <source>%1 v%2 — %3</source>
        <translation>%1 v%2 — %3</translation>
    </message>
    <message>
        <source>Close the application and install updates?</source>
        <translation>关闭应用程序并安装更新吗？</translation>
    </message>
    <message>
        <source>Updates will be installed on exit. The maintenance tool will be started as soon as you close the application!</source>
        <translation>更新将在退出时安装。关闭应用程序后将立即启动维护工具！</translation>
    </message>
</context>
<context>
    <name>UpdateKit::Updater</name>
    <message>
        <source>The maintenance tool was not found at %1.</source>
        <translation>在 %1 未找到维护工具。</translation>
    </message>
    <message>
        <source>The maintenance tool %1 could not be started.</source>
        <translation>无法启动维护工具 %1。</translation>
    </message>
</context>
<context>
    <name>UpdateKit::AdminAuthorization</name>
    <message>
        <source>Administrator rights were not granted: the prompt was declined, or this computer does not offer it.</source>
        <translation>未获得管理员权限：提示被拒绝，或此计算机不提供该提示。</translation>
    </message>
    <message>
        <source>pkexec, which asks for the administrator&apos;s password, was not found. Install it (Debian&apos;s package &quot;pkexec&quot;), or untick &quot;Run with elevated rights&quot;.</source>
        <translation>未找到用于询问管理员密码的 pkexec。请安装它（Debian 软件包“pkexec”），或取消勾选“以管理员权限运行”。</translation>
    </message>
    <message>
        <source>pkexec could not be started: %1</source>
        <translation>无法启动 pkexec：%1</translation>
    </message>
    <message>
        <source>The request for administrator rights was dismissed.</source>
        <translation>管理员权限请求已被取消。</translation>
    </message>
    <message>
        <source>Administrator rights were not granted: the password was refused, or no authentication agent could ask for it.</source>
        <translation>未获得管理员权限：密码被拒绝，或没有认证代理可以询问密码。</translation>
    </message>
    <message>
        <source>pkexec failed with exit code %1.</source>
        <translation>pkexec 失败，退出代码为 %1。</translation>
    </message>
</context>
</TS>
