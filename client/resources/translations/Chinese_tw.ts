<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>CArmView</name>
    <message>
        <source>Side view</source>
        <translation>側視圖</translation>
    </message>
    <message>
        <source>Top view</source>
        <translation>俯視圖</translation>
    </message>
</context>
<context>
    <name>CArmViewWindow</name>
    <message>
        <source>Arm View</source>
        <translation>機械臂視圖</translation>
    </message>
</context>
<context>
    <name>CConfigInitialPoseDialog</name>
    <message>
        <source>Initial Pose</source>
        <translation>初始姿態</translation>
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
        <translation>示教參數</translation>
    </message>
    <message>
        <source>JointVelocity</source>
        <translation>關節速度</translation>
    </message>
    <message>
        <source>°/s</source>
        <translation>°/s</translation>
    </message>
    <message>
        <source>Velocity of single joint</source>
        <translation>單一關節的速度</translation>
    </message>
    <message>
        <source>JointAcceleration</source>
        <translation>關節加速度</translation>
    </message>
    <message>
        <source>°/(s·s)</source>
        <translation>°/(s·s)</translation>
    </message>
    <message>
        <source>Acceleration of single joint</source>
        <translation>單一關節的加速度</translation>
    </message>
    <message>
        <source>ServoVelocity</source>
        <translation>伺服機速度</translation>
    </message>
    <message>
        <source>Velocity of the servo</source>
        <translation>伺服機的速度</translation>
    </message>
    <message>
        <source>ServoAcceleration</source>
        <translation>伺服機加速度</translation>
    </message>
    <message>
        <source>Acceleration of the servo</source>
        <translation>伺服機的加速度</translation>
    </message>
    <message>
        <source>LinearVelocity</source>
        <translation>直線速度</translation>
    </message>
    <message>
        <source>mm/s</source>
        <translation>mm/s</translation>
    </message>
    <message>
        <source>Velocity of joint synthesis motion</source>
        <translation>關節合成運動的速度</translation>
    </message>
    <message>
        <source>LinearAcceleration</source>
        <translation>直線加速度</translation>
    </message>
    <message>
        <source>mm/(s·s)</source>
        <translation>mm/(s·s)</translation>
    </message>
    <message>
        <source>Acceleration of joint synthesis motion</source>
        <translation>關節合成運動的加速度</translation>
    </message>
</context>
<context>
    <name>CConfigLanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>New language will become effective when the application starts next time!</source>
        <translation>新的語言將在下次啟動程式時生效！</translation>
    </message>
</context>
<context>
    <name>CConfigPlaybackDialog</name>
    <message>
        <source>Playback Parameters</source>
        <translation>回放參數</translation>
    </message>
    <message>
        <source>JointVelocity</source>
        <translation>關節速度</translation>
    </message>
    <message>
        <source>°/s</source>
        <translation>°/s</translation>
    </message>
    <message>
        <source>Velocity of single joint</source>
        <translation>單一關節的速度</translation>
    </message>
    <message>
        <source>JointAcceleration</source>
        <translation>關節加速度</translation>
    </message>
    <message>
        <source>°/(s·s)</source>
        <translation>°/(s·s)</translation>
    </message>
    <message>
        <source>Acceleration of single joint</source>
        <translation>單一關節的加速度</translation>
    </message>
    <message>
        <source>ServoVelocity</source>
        <translation>伺服機速度</translation>
    </message>
    <message>
        <source>Velocity of the servo</source>
        <translation>伺服機的速度</translation>
    </message>
    <message>
        <source>ServoAcceleration</source>
        <translation>伺服機加速度</translation>
    </message>
    <message>
        <source>Acceleration of the servo</source>
        <translation>伺服機的加速度</translation>
    </message>
    <message>
        <source>LinearVelocity</source>
        <translation>直線速度</translation>
    </message>
    <message>
        <source>mm/s</source>
        <translation>mm/s</translation>
    </message>
    <message>
        <source>Velocity of joint synthesis motion</source>
        <translation>關節合成運動的速度</translation>
    </message>
    <message>
        <source>LinearAcceleration</source>
        <translation>直線加速度</translation>
    </message>
    <message>
        <source>mm/(s·s)</source>
        <translation>mm/(s·s)</translation>
    </message>
    <message>
        <source>Acceleration of joint synthesis motion</source>
        <translation>關節合成運動的加速度</translation>
    </message>
    <message>
        <source>pauseTime</source>
        <translation>暫停時間</translation>
    </message>
    <message>
        <source>s</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Pause time between two playback points</source>
        <translation>兩個回放點之間的暫停時間</translation>
    </message>
    <message>
        <source>jumpHeight</source>
        <translation>跳躍高度</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Jump height when use JUMP motion style</source>
        <translation>使用 JUMP 運動方式時的跳躍高度</translation>
    </message>
</context>
<context>
    <name>CDrawingImportDialog</name>
    <message>
        <source>Import drawing</source>
        <translation>匯入圖形</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>匯入</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n strokes</source>
        <translation>
            <numerusform>%1：%n 個筆畫</numerusform>
        </translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Fit to reach</source>
        <translation>縮放至可達範圍</translation>
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
        <translation>旋轉</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>中心</translation>
    </message>
    <message>
        <source>The pen touches here</source>
        <translation>筆尖觸及此處</translation>
    </message>
    <message>
        <source>Surface height</source>
        <translation>繪圖面高度</translation>
    </message>
    <message>
        <source>Touched %1</source>
        <translation>觸碰點 %1</translation>
    </message>
    <message>
        <source>Tilted surface</source>
        <translation>傾斜繪圖面</translation>
    </message>
    <message>
        <source>Follow the plane through the three touched points</source>
        <translation>貼合經過三個觸碰點的平面</translation>
    </message>
    <message>
        <source>Touch the surface with the pen at three places far apart.</source>
        <translation>用筆尖在繪圖面上相距較遠的三個位置各觸碰一次。</translation>
    </message>
    <message>
        <source>Order the strokes to shorten the pen&apos;s travel</source>
        <translation>調整筆畫順序以縮短筆的移動距離</translation>
    </message>
    <message>
        <source>The plane through them tilts %1°.</source>
        <translation>經過這些點的平面傾斜 %1°。</translation>
    </message>
    <message>
        <source>The pen travels %1 mm lifted.</source>
        <translation>抬筆移動距離為 %1 mm。</translation>
    </message>
    <message>
        <source>The pen travels %1 mm lifted, %2 mm in the file&apos;s order.</source>
        <translation>抬筆移動距離為 %1 mm，依檔案中的順序則為 %2 mm。</translation>
    </message>
    <message>
        <source>All of the drawing lies within the arm&apos;s reach.</source>
        <translation>整個圖形都在機械臂的可達範圍內。</translation>
    </message>
    <message numerus="yes">
        <source>%1 mm of the %2 mm drawn (%3%) lies outside the arm&apos;s reach; %n points are out of reach.</source>
        <translation>
            <numerusform>繪製的 %2 mm 中有 %1 mm（%3%）超出機械臂的可達範圍；%n 個點超出可達範圍。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows</source>
        <translation>
            <numerusform>%n 列</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDrawingPlacementView</name>
    <message>
        <source>Drag to move the drawing; the mouse wheel zooms.</source>
        <translation>拖曳可移動圖形；捲動滑鼠滾輪可縮放。</translation>
    </message>
</context>
<context>
    <name>CEEGCurveDialog</name>
    <message>
        <source>EEG Curve</source>
        <translation>腦電曲線</translation>
    </message>
    <message>
        <source>Looking for the headset...</source>
        <translation>正在尋找腦電耳機...</translation>
    </message>
    <message>
        <source>No headset found: no serial port is described as &quot;%1&quot;. Set %2 to the headset&apos;s port.</source>
        <translation>未找到腦電耳機：沒有描述為「%1」的序列埠。請將 %2 設為耳機的連接埠。</translation>
    </message>
    <message>
        <source>The headset&apos;s port %1 cannot be opened: %2</source>
        <translation>無法開啟腦電耳機的連接埠 %1：%2</translation>
    </message>
    <message>
        <source>Reading the headset on %1, waiting for frames...</source>
        <translation>正在讀取 %1 上的腦電耳機，等待資料幀...</translation>
    </message>
    <message>
        <source>Receiving frames from the headset on %1</source>
        <translation>正在接收 %1 上腦電耳機的資料幀</translation>
    </message>
    <message>
        <source>The headset on %1 was lost: it was unplugged, or its port stopped answering.</source>
        <translation>%1 上的腦電耳機已中斷：耳機被拔除，或其連接埠不再回應。</translation>
    </message>
</context>
<context>
    <name>CLineEditTableDelegate</name>
    <message>
        <source>%1 must be between %2 and %3</source>
        <translation>%1 必須介於 %2 與 %3 之間</translation>
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
        <translation>匯入回放點失敗！</translation>
    </message>
    <message>
        <source>Delete all points?</source>
        <translation>確定刪除所有點嗎？</translation>
    </message>
    <message>
        <source>Insert above this row</source>
        <translation>在此列上方插入</translation>
    </message>
    <message>
        <source>Overide this row</source>
        <translation>覆寫此列</translation>
    </message>
    <message>
        <source>Insert below this row</source>
        <translation>在此列下方插入</translation>
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
        <translation>執行到此列</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>單步</translation>
    </message>
    <message>
        <source>Play from this row</source>
        <translation>從此列開始播放</translation>
    </message>
    <message>
        <source>Delete current row</source>
        <translation>刪除目前列</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>全部刪除</translation>
    </message>
    <message>
        <source>That command cannot be used on multiple selections!</source>
        <translation>此命令無法用於多重選取！</translation>
    </message>
    <message>
        <source>Overwrite row</source>
        <translation>覆寫列</translation>
    </message>
    <message>
        <source>Insert row</source>
        <translation>插入列</translation>
    </message>
    <message numerus="yes">
        <source>Import %n point(s)</source>
        <translation>
            <numerusform>匯入 %n 個點</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit cell</source>
        <translation>編輯儲存格</translation>
    </message>
    <message numerus="yes">
        <source>Cut %n row(s)</source>
        <translation>
            <numerusform>剪下 %n 列</numerusform>
        </translation>
    </message>
    <message>
        <source>Duplicate row</source>
        <translation>複製列</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n row(s)</source>
        <translation>
            <numerusform>刪除 %n 列</numerusform>
        </translation>
    </message>
    <message>
        <source>Move row</source>
        <translation>移動列</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message numerus="yes">
        <source>Paste %n row(s)</source>
        <translation>
            <numerusform>貼上 %n 列</numerusform>
        </translation>
    </message>
    <message>
        <source>Import drawing...</source>
        <translation>匯入圖形...</translation>
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
        <translation>程式上次結束時未儲存的回放點表無法讀取。
該檔案已保留為：
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
        <translation>程式結束時未儲存回放點表。
未儲存的表共有 %1 個點，最後寫入於 %2。

是否還原？如果捨棄，該表將保留為：
%3</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>還原(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>捨棄(&amp;D)</translation>
    </message>
</context>
<context>
    <name>CShowNewFeaturesDialog</name>
    <message>
        <source>Important Upgrading Notice</source>
        <translation>重要升級通知</translation>
    </message>
    <message>
        <source>Upgrade my firmware</source>
        <translation>升級韌體</translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation>稍後提醒我</translation>
    </message>
</context>
<context>
    <name>CShowResultDialog</name>
    <message>
        <source>ERROR</source>
        <translation>錯誤</translation>
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
        <translation>重試</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
</context>
<context>
    <name>DrawingFile</name>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 不是檔案。</translation>
    </message>
    <message>
        <source>%1 is %2 MB; drawings larger than %3 MB are not read.</source>
        <translation>%1 大小為 %2 MB；不會讀取大於 %3 MB 的圖形檔案。</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>無法讀取 %1：%2</translation>
    </message>
</context>
<context>
    <name>GcodeDrawingReader</name>
    <message>
        <source>The drawing has more than %1 segments, more than a point table can hold for a run.</source>
        <translation>此圖形包含超過 %1 條線段，超出點表單次執行所能容納的數量。</translation>
    </message>
    <message>
        <source>Line %1: %2 is out of range.</source>
        <translation>第 %1 行：%2 超出範圍。</translation>
    </message>
    <message>
        <source>Line %1: no arc of radius %2 joins its two ends.</source>
        <translation>第 %1 行：沒有半徑為 %2 的圓弧能連接其兩個端點。</translation>
    </message>
    <message>
        <source>Line %1: the arc&apos;s end is not on its circle.</source>
        <translation>第 %1 行：圓弧的終點不在其圓上。</translation>
    </message>
    <message>
        <source>Line %1 is longer than %2 characters: this is not G-code.</source>
        <translation>第 %1 行超過 %2 個字元：這不是 G-code。</translation>
    </message>
    <message>
        <source>Line %1 is not G-code: %2</source>
        <translation>第 %1 行不是 G-code：%2</translation>
    </message>
    <message>
        <source>The file draws nothing: no G1, G2 or G3 move with the pen down.</source>
        <translation>此檔案未繪製任何內容：沒有在落筆狀態下的 G1、G2 或 G3 移動。</translation>
    </message>
    <message>
        <source>The file draws nothing: it never lowers the pen with M3.</source>
        <translation>此檔案未繪製任何內容：從未以 M3 落筆。</translation>
    </message>
    <message>
        <source>Heights (Z) left out: the drawing surface sets the pen&apos;s height.</source>
        <translation>已忽略高度（Z）：筆的高度由繪圖面決定。</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n time(s))</source>
        <translation>
            <numerusform>%1（%n 次）</numerusform>
        </translation>
    </message>
    <message>
        <source>Left out, not understood: %1.</source>
        <translation>已忽略無法辨識的內容：%1。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>Exit the application</source>
        <translation>結束應用程式</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>連線(&amp;C)</translation>
    </message>
    <message>
        <source>Connect the Arvex controller</source>
        <translation>連線至 Arvex 控制器</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>中斷連線(&amp;D)</translation>
    </message>
    <message>
        <source>Disconnect the Arvex controller</source>
        <translation>中斷與 Arvex 控制器的連線</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>重置(&amp;R)</translation>
    </message>
    <message>
        <source>Reset the Arvex controller</source>
        <translation>重置 Arvex 控制器</translation>
    </message>
    <message>
        <source>&amp;Upgrade firmware</source>
        <translation>升級韌體(&amp;U)</translation>
    </message>
    <message>
        <source>Upgrade the Arvex controller firmware</source>
        <translation>升級 Arvex 控制器的韌體</translation>
    </message>
    <message>
        <source>&amp;Initial Pose...</source>
        <translation>初始姿態(&amp;I)...</translation>
    </message>
    <message>
        <source>Config the initial pose</source>
        <translation>設定初始姿態</translation>
    </message>
    <message>
        <source>Config &amp;Teach...</source>
        <translation>示教參數(&amp;T)...</translation>
    </message>
    <message>
        <source>Config the teach parameters</source>
        <translation>設定示教參數</translation>
    </message>
    <message>
        <source>Config &amp;Playback...</source>
        <translation>回放參數(&amp;P)...</translation>
    </message>
    <message>
        <source>Config the playback parameters</source>
        <translation>設定回放參數</translation>
    </message>
    <message>
        <source>EEG...</source>
        <translation>腦波圖...</translation>
    </message>
    <message>
        <source>Show EEG curve dialog</source>
        <translation>顯示腦波曲線對話方塊</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>語言(&amp;L)...</translation>
    </message>
    <message>
        <source>Config the application language</source>
        <translation>設定應用程式的語言</translation>
    </message>
    <message>
        <source>&lt;p align=&apos;center&apos;&gt;If the problem can&apos;t be solved by following the previous tips, please contact </source>
        <translation>&lt;p align=&apos;center&apos;&gt;若依照以上提示仍無法解決問題，請聯絡 </translation>
    </message>
    <message>
        <source> for support.&lt;/p&gt;</source>
        <translation> 以取得技術支援。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;1. Please ensure both sensors are connected and installed on the Arvex properly.&lt;/p&gt;&lt;p&gt;2. Please switch the cables of the sensors to check the problem is caused by the sensor or the cable.&lt;/p&gt;&lt;p&gt;3. Please reset the controller after you connect the sensor cable.&lt;/p&gt;&lt;p&gt;4. You can still use Arvex by manually set angle value:&lt;b&gt;Menu&lt;/b&gt;--&gt;&lt;b&gt;Initial Pose...&lt;/b&gt;.&lt;p&gt;</source>
        <translation>&lt;p&gt;1. 請確認兩個感測器皆已正確連接並安裝在 Arvex 上。&lt;/p&gt;&lt;p&gt;2. 請對調兩個感測器的連接線，以判斷問題是出在感測器還是連接線。&lt;/p&gt;&lt;p&gt;3. 連接感測器線材後，請重置控制器。&lt;/p&gt;&lt;p&gt;4. 您仍然可以透過手動設定角度值來使用 Arvex：&lt;b&gt;選單&lt;/b&gt;--&gt;&lt;b&gt;初始姿態...&lt;/b&gt;。&lt;p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-size:22px; color:#3B5B98&apos;&gt;Warning4 : Controller is connected properly, but there is no reading from the &lt;b&gt;rear arm sensor&lt;/b&gt;.&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:22px; color:#3B5B98&apos;&gt;警告4：控制器已正確連線，但&lt;b&gt;大臂感測器&lt;/b&gt;沒有讀數。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-size:22px; color:#3B5B98&apos;&gt;Warning5 : Controller is connected properly, but there is no reading from the &lt;b&gt;fore arm sensor&lt;/b&gt;.&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:22px; color:#3B5B98&apos;&gt;警告5：控制器已正確連線，但&lt;b&gt;小臂感測器&lt;/b&gt;沒有讀數。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-size:22px; color:#3B5B98&apos;&gt;Warning6 : Controller is connected properly, but there is no reading from both  &lt;b&gt;fore arm and rear arm sensors&lt;/b&gt;.&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:22px; color:#3B5B98&apos;&gt;警告6：控制器已正確連線，但&lt;b&gt;小臂與大臂感測器&lt;/b&gt;皆沒有讀數。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-size:22px; color:#3B5B98&apos;&gt;Error1 : Arvex Controller is not found!&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:22px; color:#3B5B98&apos;&gt;錯誤1：找不到 Arvex 控制器！&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;1. Please check if your Arvex is connected to your PC with USB.&lt;/p&gt;&lt;p&gt;2. Please ensure that the Arduino driver is installed properly. You can check if there is &quot;Arduino&quot; device in your device manager.If not, please install Arduino driver. You can do this manually by &lt;b&gt;Right Click.&lt;/b&gt; the unknow device--&gt;&lt;b&gt;Update Driver Software...&lt;/b&gt;--&gt;&lt;b&gt;Browse my computer for driver software&lt;/b&gt;--&gt;locate the Arduino driver flolder--&gt;&lt;b&gt;Next&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;3. If the problem still can&apos;t be solved, please unplug the USB cable and try it on another USB port.&lt;/p&gt;</source>
        <translation>&lt;p&gt;1. 請檢查 Arvex 是否已透過 USB 連接至電腦。&lt;/p&gt;&lt;p&gt;2. 請確認已正確安裝 Arduino 驅動程式。您可以在裝置管理員中查看是否有「Arduino」裝置。若沒有，請安裝 Arduino 驅動程式。手動安裝方式：&lt;b&gt;按右鍵點選&lt;/b&gt;未知的裝置--&gt;&lt;b&gt;更新驅動程式軟體...&lt;/b&gt;--&gt;&lt;b&gt;瀏覽電腦上的驅動程式軟體&lt;/b&gt;--&gt;找到 Arduino 驅動程式所在的資料夾--&gt;&lt;b&gt;下一步&lt;/b&gt;。&lt;/p&gt;&lt;p&gt;3. 若問題仍無法解決，請拔下 USB 線，改插另一個 USB 連接埠再試一次。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-size:22px; color:#3B5B98&apos;&gt;Error2 : The COM port can&apos;t be open!&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:22px; color:#3B5B98&apos;&gt;錯誤2：無法開啟 COM 連接埠！&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;1. Please check if the COM port is occupied by other software. It could be another Arduino software or unclosed Arvex software.&lt;/p&gt;&lt;p&gt;2. Unplug the USB cable, replug it, open the software and try again.&lt;/p&gt;&lt;p&gt;3. If the problem cannot be solved, you can try to restart your PC and try again.&lt;/p&gt;</source>
        <translation>&lt;p&gt;1. 請檢查 COM 連接埠是否被其他軟體佔用，可能是其他 Arduino 軟體或未關閉的 Arvex 軟體。&lt;/p&gt;&lt;p&gt;2. 拔下 USB 線後重新插上，再開啟軟體重試。&lt;/p&gt;&lt;p&gt;3. 若問題仍無法解決，可以嘗試重新啟動電腦後再試一次。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-size:22px; color:#3B5B98&apos;&gt;Error3 : Arvex is connected property, but there is no data uploaded!&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:22px; color:#3B5B98&apos;&gt;錯誤3：Arvex 已正確連線，但沒有上傳資料！&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;1. Please switch the &lt;b&gt;USB/Bluetooth Switch&lt;/b&gt; to the USB end, &lt;b&gt;reset&lt;/b&gt; the controller and try again.&lt;/p&gt;&lt;p&gt;2. ArvexTools v1.3 using 9600bps as default BAUD rate. We recommend you to upgrade the controller to the lastest version.&lt;/p&gt;&lt;p&gt;3. Upgrade the firmware to lastest version and try again.&lt;b&gt;ArvexTools&lt;/b&gt;--&gt;&lt;b&gt;ArvexDownloadUtil&lt;/b&gt;--&gt;&lt;b&gt;Open the lastest version hex file from hex folder&lt;/b&gt;--&gt;&lt;b&gt;Download&lt;/b&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;1. 請將&lt;b&gt;USB/藍牙切換開關&lt;/b&gt;撥到 USB 端，&lt;b&gt;重置&lt;/b&gt;控制器後再試一次。&lt;/p&gt;&lt;p&gt;2. ArvexTools v1.3 預設使用 9600bps 鮑率。建議您將控制器升級至最新版本。&lt;/p&gt;&lt;p&gt;3. 請將韌體升級至最新版本後再試一次。&lt;b&gt;ArvexTools&lt;/b&gt;--&gt;&lt;b&gt;ArvexDownloadUtil&lt;/b&gt;--&gt;&lt;b&gt;從 hex 資料夾開啟最新版本的 hex 檔案&lt;/b&gt;--&gt;&lt;b&gt;下載&lt;/b&gt;。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>PLAYBACK</source>
        <translation>回放</translation>
    </message>
    <message>
        <source>Joint%1Angle</source>
        <translation>關節%1角度</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>匯入...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>匯出...</translation>
    </message>
    <message>
        <source>Loop Number</source>
        <translation>循環次數</translation>
    </message>
    <message>
        <source>Current Loop</source>
        <translation>目前循環</translation>
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
        <translation>暫停</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Open xml files</source>
        <translation>開啟 XML 檔案</translation>
    </message>
    <message>
        <source>XML file(*.xml)</source>
        <translation>XML 檔案(*.xml)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Failed to import playback points!</source>
        <translation>匯入回放點失敗！</translation>
    </message>
    <message>
        <source>Save xml files</source>
        <translation>儲存 XML 檔案</translation>
    </message>
    <message>
        <source>Joint1+</source>
        <translation>關節1+</translation>
    </message>
    <message>
        <source>X+</source>
        <translation>X+</translation>
    </message>
    <message>
        <source>Joint1-</source>
        <translation>關節1-</translation>
    </message>
    <message>
        <source>X-</source>
        <translation>X-</translation>
    </message>
    <message>
        <source>Joint2+</source>
        <translation>關節2+</translation>
    </message>
    <message>
        <source>Y+</source>
        <translation>Y+</translation>
    </message>
    <message>
        <source>Joint2-</source>
        <translation>關節2-</translation>
    </message>
    <message>
        <source>Y-</source>
        <translation>Y-</translation>
    </message>
    <message>
        <source>Joint3+</source>
        <translation>關節3+</translation>
    </message>
    <message>
        <source>Z+</source>
        <translation>Z+</translation>
    </message>
    <message>
        <source>Joint3-</source>
        <translation>關節3-</translation>
    </message>
    <message>
        <source>Z-</source>
        <translation>Z-</translation>
    </message>
    <message>
        <source>Joint4+</source>
        <translation>關節4+</translation>
    </message>
    <message>
        <source>R+</source>
        <translation>R+</translation>
    </message>
    <message>
        <source>Joint4-</source>
        <translation>關節4-</translation>
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
        <translation>寸動模式</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>關節</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>直線</translation>
    </message>
    <message>
        <source>EndType</source>
        <translation>末端類型</translation>
    </message>
    <message>
        <source>Pump</source>
        <translation>氣泵</translation>
    </message>
    <message>
        <source>Gripper</source>
        <translation>夾爪</translation>
    </message>
    <message>
        <source>On</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Gripper+</source>
        <translation>夾爪+</translation>
    </message>
    <message>
        <source>Gripper-</source>
        <translation>夾爪-</translation>
    </message>
    <message>
        <source>The firmware download utility cannot be started:
%1</source>
        <translation>無法啟動韌體下載工具：
%1</translation>
    </message>
    <message>
        <source>Arm &amp;View...</source>
        <translation>機械臂視圖(&amp;V)...</translation>
    </message>
    <message>
        <source>Show the arm, its reach and the playback points</source>
        <translation>顯示機械臂、其可達範圍和回放點</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 及另外 %2 行</translation>
    </message>
    <message>
        <source>The arm cannot reach the points of these rows: %1.
Start anyway?</source>
        <translation>機械臂無法到達以下行的點：%1。
仍然開始嗎？</translation>
    </message>
    <message>
        <source>&amp;Start anyway</source>
        <translation>仍然開始(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Step went past the last row and starts again at row 1.</source>
        <translation>單步已越過最後一行，從第 1 行重新開始。</translation>
    </message>
    <message>
        <source>The arm did not go to row %1: the controller skipped its point.</source>
        <translation>機械臂沒有去第 %1 行：控制器跳過了該點。</translation>
    </message>
    <message>
        <source>Failed to export playback points!</source>
        <translation>匯出回放點失敗！</translation>
    </message>
    <message>
        <source>Failed to save playback points!</source>
        <translation>儲存回放點失敗！</translation>
    </message>
    <message>
        <source>Allow &amp;Scripts</source>
        <translation>允許腳本(&amp;S)</translation>
    </message>
    <message>
        <source>Let programs of this user drive the arm through a local port</source>
        <translation>允許本使用者的程式透過本機連接埠控制機械臂</translation>
    </message>
    <message>
        <source>Disconnect Script</source>
        <translation>中斷腳本</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>中斷</translation>
    </message>
    <message>
        <source>Scripts cannot be allowed: the local port for them cannot be opened.</source>
        <translation>無法允許腳本：無法開啟腳本的本機連接埠。</translation>
    </message>
    <message>
        <source>Script &quot;%1&quot; connected since %2</source>
        <translation>腳本「%1」自 %2 起已連線</translation>
    </message>
    <message>
        <source>Script: append rows</source>
        <translation>腳本：附加列</translation>
    </message>
    <message>
        <source>Script: insert rows</source>
        <translation>腳本：插入列</translation>
    </message>
    <message>
        <source>Script: replace rows</source>
        <translation>腳本：取代列</translation>
    </message>
    <message>
        <source>Script: clear the table</source>
        <translation>腳本：清空表格</translation>
    </message>
    <message>
        <source>Import drawing</source>
        <translation>匯入圖形</translation>
    </message>
    <message>
        <source>Drawings (*.svg *.gcode *.nc *.ngc *.gc *.g *.tap *.txt);;All files (*)</source>
        <translation>圖形檔案(*.svg *.gcode *.nc *.ngc *.gc *.g *.tap *.txt);;所有檔案(*)</translation>
    </message>
    <message>
        <source>The drawing cannot be imported.</source>
        <translation>無法匯入此圖形。</translation>
    </message>
</context>
<context>
    <name>SurfacePlane</name>
    <message>
        <source>The three points lie too close together or on one line: touch three corners of the paper.</source>
        <translation>三個點彼此太近或位於同一直線上：請觸碰紙張的三個角。</translation>
    </message>
    <message>
        <source>The three points make a surface steeper than %1°.</source>
        <translation>三個點構成的平面傾斜超過 %1°。</translation>
    </message>
</context>
<context>
    <name>SvgDrawingReader</name>
    <message>
        <source>The drawing has more than %1 elements once its &lt;use&gt; elements are replaced by what they show: such a file is not read.</source>
        <translation>將 &lt;use&gt; 元素替換為其引用的內容後，此圖形包含超過 %1 個元素：不會讀取此類檔案。</translation>
    </message>
    <message>
        <source>The file&apos;s XML entities are too long or made of other entities: such a file is not read.</source>
        <translation>此檔案的 XML 實體過長或由其他實體構成：不會讀取此類檔案。</translation>
    </message>
    <message>
        <source>The file is not an SVG drawing.</source>
        <translation>此檔案不是 SVG 圖形。</translation>
    </message>
    <message>
        <source>The file is not well-formed XML (line %1: %2).</source>
        <translation>此檔案不是格式正確的 XML（第 %1 行：%2）。</translation>
    </message>
    <message>
        <source>Qt SVG could not read the drawing.</source>
        <translation>Qt SVG 無法讀取此圖形。</translation>
    </message>
    <message>
        <source>The drawing gives no width and height: its units are taken as pixels, 96 to the inch.</source>
        <translation>此圖形未指定寬度和高度：其單位以像素計算，每英吋 96 像素。</translation>
    </message>
    <message>
        <source>The drawing has more than %1 segments, more than a point table can hold for a run.</source>
        <translation>此圖形包含超過 %1 條線段，超出點表單次執行所能容納的數量。</translation>
    </message>
    <message>
        <source>The drawing holds only images, which a pen cannot draw.</source>
        <translation>此圖形只包含影像，筆無法繪製影像。</translation>
    </message>
    <message>
        <source>The drawing holds no lines, shapes or text to draw.</source>
        <translation>此圖形不包含可繪製的線條、形狀或文字。</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) left out: a pen draws only lines, shapes and text.</source>
        <translation>
            <numerusform>已忽略 %n 個影像：筆只能繪製線條、形狀和文字。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UpdateKit::ProgressDialog</name>
    <message>
        <source>Check for Updates</source>
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>正在檢查更新…</translation>
    </message>
    <message>
        <source>Canceling update check…</source>
        <translation>正在取消更新檢查…</translation>
    </message>
</context>
<context>
    <name>UpdateKit::UpdateController</name>
    <message>
        <source>Check for Updates</source>
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>Checks if new updates are available. You will be prompted before updates are installed.</source>
        <translation>檢查是否有可用的新更新。安裝更新前會先徵求您的同意。</translation>
    </message>
    <message>
        <source>Do you want to check for updates now?</source>
        <translation>現在檢查更新嗎？</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The program is already checking for updates!</source>
        <translation>程式已在檢查更新！</translation>
    </message>
    <message>
        <source>Checking for updates was canceled!</source>
        <translation>已取消檢查更新！</translation>
    </message>
    <message>
        <source>Install Updates</source>
        <translation>安裝更新</translation>
    </message>
    <message>
        <source>New updates are available. The maintenance tool will be started to install those as soon as you close the application!</source>
        <translation>有可用的新更新。關閉應用程式後將立即啟動維護工具安裝這些更新！</translation>
    </message>
    <message>
        <source>The update process crashed!</source>
        <translation>更新程序當機！</translation>
    </message>
    <message>
        <source>The maintenance tool finished with exit code %1.</source>
        <translation>維護工具已結束，結束代碼為 %1。</translation>
    </message>
    <message>
        <source>Checking for updates failed!</source>
        <translation>檢查更新失敗！</translation>
    </message>
    <message>
        <source>No new updates available!</source>
        <translation>沒有可用的新更新！</translation>
    </message>
    <message>
        <source>The maintenance tool was not found at %1.</source>
        <translation>在 %1 找不到維護工具。</translation>
    </message>
    <message>
        <source>The maintenance tool %1 could not be started.</source>
        <translation>無法啟動維護工具 %1。</translation>
    </message>
    <message>
        <source>The maintenance tool could not be started, so the updates were not installed.</source>
        <translation>無法啟動維護工具，因此未安裝更新。</translation>
    </message>
</context>
<context>
    <name>UpdateKit::UpdateInfoDialog</name>
    <message>
        <source>%L1 Bytes</source>
        <translation>%L1 位元組</translation>
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
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>Updates for %1 are available!</source>
        <translation>%1 有可用的更新！</translation>
    </message>
    <message>
        <source>There are new updates available! You can install them now or later.</source>
        <translation>有可用的新更新！您可以現在安裝，也可以稍後安裝。</translation>
    </message>
    <message>
        <source>Updates:</source>
        <translation>更新：</translation>
    </message>
    <message>
        <source>Component Name</source>
        <translation>元件名稱</translation>
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
        <translation>以系統管理員權限執行(&amp;E)</translation>
    </message>
    <message>
        <source>Install later</source>
        <translation>稍後安裝</translation>
    </message>
    <message>
        <source>Install On Exit</source>
        <translation>結束時安裝</translation>
    </message>
    <message>
        <source>Install Now</source>
        <translation>立即安裝</translation>
    </message>
    <message>
        <source>%1 v%2 — %3</source>
        <translation>%1 v%2 — %3</translation>
    </message>
    <message>
        <source>Close the application and install updates?</source>
        <translation>關閉應用程式並安裝更新嗎？</translation>
    </message>
    <message>
        <source>Updates will be installed on exit. The maintenance tool will be started as soon as you close the application!</source>
        <translation>更新將在結束時安裝。關閉應用程式後將立即啟動維護工具！</translation>
    </message>
</context>
<context>
    <name>UpdateKit::Updater</name>
    <message>
        <source>The maintenance tool was not found at %1.</source>
        <translation>在 %1 找不到維護工具。</translation>
    </message>
    <message>
        <source>The maintenance tool %1 could not be started.</source>
        <translation>無法啟動維護工具 %1。</translation>
    </message>
</context>
<context>
    <name>UpdateKit::AdminAuthorization</name>
    <message>
        <source>Administrator rights were not granted: the prompt was declined, or this computer does not offer it.</source>
        <translation>未取得系統管理員權限：提示被拒絕，或此電腦不提供該提示。</translation>
    </message>
    <message>
        <source>pkexec, which asks for the administrator&apos;s password, was not found. Install it (Debian&apos;s package &quot;pkexec&quot;), or untick &quot;Run with elevated rights&quot;.</source>
        <translation>找不到用於詢問系統管理員密碼的 pkexec。請安裝它（Debian 套件「pkexec」），或取消勾選「以系統管理員權限執行」。</translation>
    </message>
    <message>
        <source>pkexec could not be started: %1</source>
        <translation>無法啟動 pkexec：%1</translation>
    </message>
    <message>
        <source>The request for administrator rights was dismissed.</source>
        <translation>系統管理員權限請求已被取消。</translation>
    </message>
    <message>
        <source>Administrator rights were not granted: the password was refused, or no authentication agent could ask for it.</source>
        <translation>未取得系統管理員權限：密碼被拒絕，或沒有認證代理程式可以詢問密碼。</translation>
    </message>
    <message>
        <source>pkexec failed with exit code %1.</source>
        <translation>pkexec 失敗，結束代碼為 %1。</translation>
    </message>
</context>
</TS>
