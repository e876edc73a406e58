// The controller library's C interface: thirteen plain functions and the records they take.
// The arm maker's library exports the same names, so it can replace this one without a rebuild
// of the client.
#pragma once

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32)
#if defined(ARVEXDLL_BUILD)
#define ARVEXDLL_API __declspec(dllexport)
#else
#define ARVEXDLL_API __declspec(dllimport)
#endif
#else
#define ARVEXDLL_API __attribute__((visibility("default")))
#endif

// Jog command codes carried in JogInstantCmd::cmd.
enum JogCmdCode {
    JogStop = 0,
    JogAxis1Plus = 1,
    JogAxis1Minus = 2,
    JogAxis2Plus = 3,
    JogAxis2Minus = 4,
    JogAxis3Plus = 5,
    JogAxis3Minus = 6,
    JogAxis4Plus = 7,
    JogAxis4Minus = 8,
    JogPumpOn = 9,
    JogPumpOff = 10,
    JogGripperPlus = 11,
    JogGripperMinus = 12,
    JogLaserOff = 13,
    JogLaserOn = 14
};

typedef struct JogInstantCmd
{
    uint8_t isJoint; // 1 for "Axis" mode, 0 for "Linear"
    int32_t cmd; // a JogCmdCode
} JogInstantCmd;

typedef struct JogDynamicParams
{
    float velocityRatio; // percent, 1 to 100
} JogDynamicParams;

typedef struct JogStaticParams
{
    float jointVelocity;
    float jointAcceleration;
    float servoVelocity;
    float servoAcceleration;
    float linearVelocity;
    float linearAcceleration;
} JogStaticParams;

typedef struct PlaybackStaticParams
{
    float jointVelocity;
    float jointAcceleration;
    float servoVelocity;
    float servoAcceleration;
    float linearVelocity;
    float linearAcceleration;
    float pauseTime;
    float jumpHeight;
} PlaybackStaticParams;

typedef struct PlaybackDynamicParams
{
    float velocityRatio;
    float accelerationRatio;
} PlaybackDynamicParams;

typedef struct PlaybackPoint
{
    uint8_t motionStyle; // 0 JUMP, 1 MOVJ, 2 MOVL
    uint8_t isGrab;
    float x;
    float y;
    float z;
    float rHead;
    float gripper;
    float pauseTime;
} PlaybackPoint;

typedef struct InitialPose
{
    float longArmAngle;
    float shortArmAngle;
} InitialPose;

// GetPose may write one float past these ten; callers give it room for eleven.
typedef struct Pose
{
    float x;
    float y;
    float z;
    float rHead;
    float joint1Angle;
    float joint2Angle;
    float joint3Angle;
    float joint4Angle;
    float isGrab;
    float gripper;
} Pose;

#ifdef __cplusplus
static_assert(
    sizeof(JogInstantCmd) == 8 && offsetof(JogInstantCmd, cmd) == 4, "JogInstantCmd layout");
static_assert(sizeof(JogDynamicParams) == 4, "JogDynamicParams layout");
static_assert(sizeof(JogStaticParams) == 24, "JogStaticParams layout");
static_assert(sizeof(PlaybackStaticParams) == 32, "PlaybackStaticParams layout");
static_assert(sizeof(PlaybackDynamicParams) == 8, "PlaybackDynamicParams layout");
static_assert(sizeof(PlaybackPoint) == 28 && offsetof(PlaybackPoint, isGrab) == 1
        && offsetof(PlaybackPoint, x) == 4 && offsetof(PlaybackPoint, pauseTime) == 24,
    "PlaybackPoint layout");
static_assert(sizeof(InitialPose) == 8, "InitialPose layout");
static_assert(sizeof(Pose) == 40 && offsetof(Pose, gripper) == 36, "Pose layout");

extern "C" {
#endif

ARVEXDLL_API int ConnectArvex(void);
ARVEXDLL_API int DisconnectArvex(void);
ARVEXDLL_API int ResetArvex(void);
ARVEXDLL_API int PeriodicTask(void);
ARVEXDLL_API int SetCmdTimeout(int32_t timeoutMs);
ARVEXDLL_API int GetPose(Pose *pose);
ARVEXDLL_API int SetJogInstantCmd(JogInstantCmd *cmd);
ARVEXDLL_API int SetJogDynamicParams(JogDynamicParams *params);
ARVEXDLL_API int SetJogStaticParams(JogStaticParams *params);
ARVEXDLL_API int SetPlaybackStaticParams(PlaybackStaticParams *params);
ARVEXDLL_API int SetPlaybackDynamicParams(PlaybackDynamicParams *params);
ARVEXDLL_API int SetInitialPose(InitialPose *pose);
ARVEXDLL_API int SetPlaybackBufferCmd(PlaybackPoint *point);

#ifdef __cplusplus
}
#endif
