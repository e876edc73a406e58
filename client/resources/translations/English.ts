<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CArmView</name>
    <message>
        <source>Side view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top view</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CArmViewWindow</name>
    <message>
        <source>Arm View</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CConfigInitialPoseDialog</name>
    <message>
        <source>Initial Pose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LongArmAngle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial long arm angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ShortArmAngle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial short arm angle</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CConfigJogDialog</name>
    <message>
        <source>Teach Parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JointVelocity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity of single joint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JointAcceleration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°/(s·s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acceleration of single joint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ServoVelocity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity of the servo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ServoAcceleration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acceleration of the servo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LinearVelocity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity of joint synthesis motion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LinearAcceleration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm/(s·s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acceleration of joint synthesis motion</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CConfigLanguageDialog</name>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New language will become effective when the application starts next time!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CConfigPlaybackDialog</name>
    <message>
        <source>Playback Parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JointVelocity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity of single joint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JointAcceleration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°/(s·s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acceleration of single joint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ServoVelocity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity of the servo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ServoAcceleration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acceleration of the servo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LinearVelocity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity of joint synthesis motion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LinearAcceleration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm/(s·s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acceleration of joint synthesis motion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pauseTime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause time between two playback points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jumpHeight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jump height when use JUMP motion style</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDrawingImportDialog</name>
    <message>
        <source>Import drawing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %n strokes</source>
        <translation>
            <numerusform>%1: %n stroke</numerusform>
            <numerusform>%1: %n strokes</numerusform>
        </translation>
    </message>
    <message>
        <source> mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit to reach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pen touches here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surface height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Touched %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tilted surface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow the plane through the three touched points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Touch the surface with the pen at three places far apart.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order the strokes to shorten the pen&apos;s travel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plane through them tilts %1°.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pen travels %1 mm lifted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pen travels %1 mm lifted, %2 mm in the file&apos;s order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All of the drawing lies within the arm&apos;s reach.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 mm of the %2 mm drawn (%3%) lies outside the arm&apos;s reach; %n points are out of reach.</source>
        <translation>
            <numerusform>%1 mm of the %2 mm drawn (%3%) lies outside the arm&apos;s reach; %n point is out of reach.</numerusform>
            <numerusform>%1 mm of the %2 mm drawn (%3%) lies outside the arm&apos;s reach; %n points are out of reach.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows</source>
        <translation>
            <numerusform>%n row</numerusform>
            <numerusform>%n rows</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDrawingPlacementView</name>
    <message>
        <source>Drag to move the drawing; the mouse wheel zooms.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CEEGCurveDialog</name>
    <message>
        <source>EEG Curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for the headset...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No headset found: no serial port is described as &quot;%1&quot;. Set %2 to the headset&apos;s port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The headset&apos;s port %1 cannot be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the headset on %1, waiting for frames...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiving frames from the headset on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The headset on %1 was lost: it was unplugged, or its port stopped answering.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CLineEditTableDelegate</name>
    <message>
        <source>%1 must be between %2 and %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPlaybackTableView</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to import playback points!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete all points?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert above this row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overide this row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert below this row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run to this row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play from this row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete current row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That command cannot be used on multiple selections!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert row</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Import %n point(s)</source>
        <translation>
            <numerusform>Import %n point</numerusform>
            <numerusform>Import %n points</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Cut %n row(s)</source>
        <translation>
            <numerusform>Cut %n row</numerusform>
            <numerusform>Cut %n rows</numerusform>
        </translation>
    </message>
    <message>
        <source>Duplicate row</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Delete %n row(s)</source>
        <translation>
            <numerusform>Delete %n row</numerusform>
            <numerusform>Delete %n rows</numerusform>
        </translation>
    </message>
    <message>
        <source>Move row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Paste %n row(s)</source>
        <translation>
            <numerusform>Paste %n row</numerusform>
            <numerusform>Paste %n rows</numerusform>
        </translation>
    </message>
    <message>
        <source>Import drawing...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPointsRecovery</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The playback table that was not saved when the program last ended could not be read.
The file was kept as:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program ended without saving the playback table.
The unsaved table has %1 points and was last written at %2.

Restore it? If you discard it, it is kept as:
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CShowNewFeaturesDialog</name>
    <message>
        <source>Important Upgrading Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade my firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CShowResultDialog</name>
    <message>
        <source>ERROR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DrawingFile</name>
    <message>
        <source>%1 is not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2 MB; drawings larger than %3 MB are not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GcodeDrawingReader</name>
    <message>
        <source>The drawing has more than %1 segments, more than a point table can hold for a run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2 is out of range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: no arc of radius %2 joins its two ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: the arc&apos;s end is not on its circle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 is longer than %2 characters: this is not G-code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 is not G-code: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file draws nothing: no G1, G2 or G3 move with the pen down.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file draws nothing: it never lowers the pen with M3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heights (Z) left out: the drawing surface sets the pen&apos;s height.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n time(s))</source>
        <translation>
            <numerusform>%1 (%n time)</numerusform>
            <numerusform>%1 (%n times)</numerusform>
        </translation>
    </message>
    <message>
        <source>Left out, not understood: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit the application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect the Arvex controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect the Arvex controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset the Arvex controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Upgrade firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade the Arvex controller firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Initial Pose...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config the initial pose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config &amp;Teach...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config the teach parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config &amp;Playback...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config the playback parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EEG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show EEG curve dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config the application language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p align=&apos;center&apos;&gt;If the problem can&apos;t be solved by following the previous tips, please contact </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> for support.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;1. Please ensure both sensors are connected and installed on the Arvex properly.&lt;/p&gt;&lt;p&gt;2. Please switch the cables of the sensors to check the problem is caused by the sensor or the cable.&lt;/p&gt;&lt;p&gt;3. Please reset the controller after you connect the sensor cable.&lt;/p&gt;&lt;p&gt;4. You can still use Arvex by manually set angle value:&lt;b&gt;Menu&lt;/b&gt;--&gt;&lt;b&gt;Initial Pose...&lt;/b&gt;.&lt;p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-size:22px; color:#3B5B98&apos;&gt;Warning4 : Controller is connected properly, but there is no reading from the &lt;b&gt;rear arm sensor&lt;/b&gt;.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-size:22px; color:#3B5B98&apos;&gt;Warning5 : Controller is connected properly, but there is no reading from the &lt;b&gt;fore arm sensor&lt;/b&gt;.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-size:22px; color:#3B5B98&apos;&gt;Warning6 : Controller is connected properly, but there is no reading from both  &lt;b&gt;fore arm and rear arm sensors&lt;/b&gt;.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-size:22px; color:#3B5B98&apos;&gt;Error1 : Arvex Controller is not found!&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;1. Please check if your Arvex is connected to your PC with USB.&lt;/p&gt;&lt;p&gt;2. Please ensure that the Arduino driver is installed properly. You can check if there is &quot;Arduino&quot; device in your device manager.If not, please install Arduino driver. You can do this manually by &lt;b&gt;Right Click.&lt;/b&gt; the unknow device--&gt;&lt;b&gt;Update Driver Software...&lt;/b&gt;--&gt;&lt;b&gt;Browse my computer for driver software&lt;/b&gt;--&gt;locate the Arduino driver flolder--&gt;&lt;b&gt;Next&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;3. If the problem still can&apos;t be solved, please unplug the USB cable and try it on another USB port.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-size:22px; color:#3B5B98&apos;&gt;Error2 : The COM port can&apos;t be open!&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;1. Please check if the COM port is occupied by other software. It could be another Arduino software or unclosed Arvex software.&lt;/p&gt;&lt;p&gt;2. Unplug the USB cable, replug it, open the software and try again.&lt;/p&gt;&lt;p&gt;3. If the problem cannot be solved, you can try to restart your PC and try again.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-size:22px; color:#3B5B98&apos;&gt;Error3 : Arvex is connected property, but there is no data uploaded!&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;1. Please switch the &lt;b&gt;USB/Bluetooth Switch&lt;/b&gt; to the USB end, &lt;b&gt;reset&lt;/b&gt; the controller and try again.&lt;/p&gt;&lt;p&gt;2. ArvexTools v1.3 using 9600bps as default BAUD rate. We recommend you to upgrade the controller to the lastest version.&lt;/p&gt;&lt;p&gt;3. Upgrade the firmware to lastest version and try again.&lt;b&gt;ArvexTools&lt;/b&gt;--&gt;&lt;b&gt;ArvexDownloadUtil&lt;/b&gt;--&gt;&lt;b&gt;Open the lastest version hex file from hex folder&lt;/b&gt;--&gt;&lt;b&gt;Download&lt;/b&gt;.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLAYBACK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joint%1Angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Loop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity Ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acceleratio Ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open xml files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XML file(*.xml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to import playback points!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save xml files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joint1+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joint1-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joint2+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joint2-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joint3+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Z+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joint3-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Z-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joint4+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joint4-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TEACH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JogMode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EndType</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pump</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gripper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gripper+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gripper-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware download utility cannot be started:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arm &amp;View...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the arm, its reach and the playback points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The arm cannot reach the points of these rows: %1.
Start anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start anyway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step went past the last row and starts again at row 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The arm did not go to row %1: the controller skipped its point.</source>
    </message>
    <message>
        <source>Failed to export playback points!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to save playback points!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow &amp;Scripts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let programs of this user drive the arm through a local port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect Script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scripts cannot be allowed: the local port for them cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Script &quot;%1&quot; connected since %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Script: append rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Script: insert rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Script: replace rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Script: clear the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import drawing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawings (*.svg *.gcode *.nc *.ngc *.gc *.g *.tap *.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drawing cannot be imported.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SurfacePlane</name>
    <message>
        <source>The three points lie too close together or on one line: touch three corners of the paper.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The three points make a surface steeper than %1°.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SvgDrawingReader</name>
    <message>
        <source>The drawing has more than %1 elements once its &lt;use&gt; elements are replaced by what they show: such a file is not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file&apos;s XML entities are too long or made of other entities: such a file is not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not an SVG drawing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not well-formed XML (line %1: %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt SVG could not read the drawing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drawing gives no width and height: its units are taken as pixels, 96 to the inch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drawing has more than %1 segments, more than a point table can hold for a run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drawing holds only images, which a pen cannot draw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drawing holds no lines, shapes or text to draw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) left out: a pen draws only lines, shapes and text.</source>
        <translation>
            <numerusform>%n image left out: a pen draws only lines, shapes and text.</numerusform>
            <numerusform>%n images left out: a pen draws only lines, shapes and text.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UpdateKit::ProgressDialog</name>
    <message>
        <source>Check for Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canceling update check…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateKit::UpdateController</name>
    <message>
        <source>Check for Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks if new updates are available. You will be prompted before updates are installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to check for updates now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program is already checking for updates!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for updates was canceled!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New updates are available. The maintenance tool will be started to install those as soon as you close the application!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update process crashed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The maintenance tool finished with exit code %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for updates failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No new updates available!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The maintenance tool was not found at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The maintenance tool %1 could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The maintenance tool could not be started, so the updates were not installed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateKit::UpdateInfoDialog</name>
    <message>
        <source>%L1 Bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%L1 KiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%L1 MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%L1 GiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates for %1 are available!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are new updates available! You can install them now or later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Component Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run with &amp;elevated rights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install On Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 v%2 — %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the application and install updates?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates will be installed on exit. The maintenance tool will be started as soon as you close the application!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateKit::Updater</name>
    <message>
        <source>The maintenance tool was not found at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The maintenance tool %1 could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateKit::AdminAuthorization</name>
    <message>
        <source>Administrator rights were not granted: the prompt was declined, or this computer does not offer it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pkexec, which asks for the administrator&apos;s password, was not found. Install it (Debian&apos;s package &quot;pkexec&quot;), or untick &quot;Run with elevated rights&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pkexec could not be started: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The request for administrator rights was dismissed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Administrator rights were not granted: the password was refused, or no authentication agent could ask for it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pkexec failed with exit code %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
