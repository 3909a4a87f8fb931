/*
 * resource.h -- ids shared by the resource script and the code: strings,
 * dialog templates and controls. Controls are numbered in one block per
 * dialog (the block of template NNN starts at NNN * 100); the standard
 * buttons keep their shared ids.
 */
#ifndef TORVEX_RESOURCE_H
#define TORVEX_RESOURCE_H

/* ---- string table ---- */
#define IDS_BUTTON_VARIABLE   100 /* "_BUTTON" */
#define IDS_MAINTENANCE       106 /* message box caption */
#define IDS_LENS_VARIABLE     107 /* "_Lens" */
#define IDS_OPT_OPGS          108
#define IDS_OPTION_SECTION    109 /* "PCS,1" */
#define IDS_OPT_PMP2          110
#define IDS_OPT_NEW_RF        111
#define IDS_LENS2_VARIABLE    112 /* "_Lens2" */
#define IDS_LENS3_VARIABLE    113 /* "_Lens3" */
#define IDS_QPTYPE_VARIABLE   114 /* "_QPType" */
#define IDS_AFC_VARIABLE      115 /* "_AFC" */
#define IDS_DETECTOR_HV       200
#define IDS_OPEN_GATE_VALVE   201
#define IDS_INVALID_PARAMETER 202
#define IDS_INVALID_FILENAME  203
#define IDS_IN_TRANSITION     250
#define IDS_CAL_STANDBY_ONLY  251
#define IDS_CAL_TAKES_15S     252
#define IDS_TORCH_NOT_INIT    253
#define IDS_OMEGA_LENS_CE     300
#define IDS_OMEGA_BIAS_CE     301
#define IDS_OFFSET_CONFIRM    400
#define IDS_AR_LINE_FAULT     451
#define IDS_OFFSET_RANGE_PLDP 452 /* 452..459: the eight sensor range messages */

/* ---- dialog templates (the number is the template's name and help topic) ---- */
#define IDD_VACUUM       225
#define IDD_RF_226       226
#define IDD_IGNITION     258
#define IDD_VACUUM_PARAM 259
#define IDD_QP           261
#define IDD_LENS_263     263
#define IDD_OCTOPOLE     266
#define IDD_DETECTOR     267
#define IDD_WATER        268
#define IDD_GAS_269      269
#define IDD_CHILLER      270
#define IDD_PERIPUMP     271
#define IDD_XYZ          272
#define IDD_HOUSING      274
#define IDD_LENS_289     289
#define IDD_CALLENS_293  293
#define IDD_CALLENS_294  294
#define IDD_RF_314       314
#define IDD_LENS_320     320
#define IDD_CALLENS_321  321
#define IDD_GAS_336      336
#define IDD_GAS_OFFSET   343

/* ---- standard controls, shared by every template ---- */
#define IDC_ENTER   1    /* IDOK */
#define IDC_ESCAPE  2    /* IDCANCEL: the Escape key, or the Cancel button of a sub-dialog */
#define IDC_CLOSE   8
#define IDC_HELPBTN    9
#define IDC_UPDATE  1000
#define IDC_DLGINFO 99   /* the DLGINFO control naming the template */
#define IDC_PENDING_NOTE 98 /* the note of a panel not built yet */

/* ---- 225 Vacuum Maintenance ---- */
#define IDC_VAC_RP1          22500
#define IDC_VAC_RP2          22501
#define IDC_VAC_BACKING      22502
#define IDC_VAC_TPI          22503
#define IDC_VAC_TPA          22504
#define IDC_VAC_PENNING      22505
#define IDC_VAC_IFVALVE      22506
#define IDC_VAC_GATE         22507
#define IDC_VAC_PURGE        22508
#define IDC_VAC_S75          22509
#define IDC_VAC_TMPFAN       22510
#define IDC_VAC_IGNORE_TO    22511
#define IDC_VAC_EVAC         22512
#define IDC_VAC_SYSPARAM     22513
#define IDC_VAC_OUTPUTS      22514 /* group "Outputs" */
#define IDC_VAC_INPUTS       22515 /* group "Inputs" */
#define IDC_VAC_SYSGROUP     22516 /* group "System Parameters" */
#define IDC_VAC_IGNORE_NOTE  22517 /* "(ShutDown->Standby)" */
/* Inputs: label, value and unit of each display. */
#define IDC_VAC_PIIF_L       22520
#define IDC_VAC_PIIF         22521
#define IDC_VAC_PIIF_U       22522
#define IDC_VAC_PIBK_L       22523
#define IDC_VAC_PIBK         22524
#define IDC_VAC_PIBK_U       22525
#define IDC_VAC_PGAN_L       22526
#define IDC_VAC_PGAN         22527
#define IDC_VAC_PGAN_U       22528
#define IDC_VAC_RTPI_L       22529
#define IDC_VAC_RTPI         22530
#define IDC_VAC_RTPI_U       22531
#define IDC_VAC_RTPA_L       22532
#define IDC_VAC_RTPA         22533
#define IDC_VAC_RTPA_U       22534
#define IDC_VAC_ITPI_L       22535
#define IDC_VAC_ITPI         22536
#define IDC_VAC_ITPI_U       22537
#define IDC_VAC_ITPA_L       22538
#define IDC_VAC_ITPA         22539
#define IDC_VAC_ITPA_U       22540
#define IDC_VAC_VP75_L       22541
#define IDC_VAC_VP75         22542
#define IDC_VAC_VP75_U       22543
#define IDC_VAC_ERRBRK_L     22544
#define IDC_VAC_ERRBRK       22545
#define IDC_VAC_FNTP_L       22546
#define IDC_VAC_FNTP         22547
#define IDC_VAC_GVERR_L      22548
#define IDC_VAC_GVERR        22549
#define IDC_VAC_MVM_L        22550
#define IDC_VAC_MVM          22551
#define IDC_VAC_MVM_U        22552
#define IDC_VAC_IISOV_L      22553
#define IDC_VAC_IISOV        22554
#define IDC_VAC_IISOV_U      22555
#define IDC_VAC_CVM_L        22556
#define IDC_VAC_CVM          22557
#define IDC_VAC_CVM_U        22558
#define IDC_VAC_CCM_L        22559
#define IDC_VAC_CCM          22560
#define IDC_VAC_CCM_U        22561
#define IDC_VAC_ISOV1_L      22562
#define IDC_VAC_ISOV1        22563
#define IDC_VAC_ISOV2_L      22564
#define IDC_VAC_ISOV2        22565
#define IDC_VAC_VAON_L       22566
#define IDC_VAC_VAON         22567
#define IDC_VAC_IFVOPN_L     22568
#define IDC_VAC_IFVOPN       22569
#define IDC_VAC_IFVERR_L     22570
#define IDC_VAC_IFVERR       22571
#define IDC_VAC_TPSD_L       22572
#define IDC_VAC_TPSD         22573

/* ---- 259 Vacuum System Parameters ---- */
#define IDC_VSP_NORMAL       25900 /* "[Normal]" */
#define IDC_VSP_RCELL        25901 /* "[Reaction Cell]" */
#define IDC_VSP_HEAD1        25902 /* column headings 1..7: 25902..25908 */
#define IDC_VSP_GAUGE1       25910 /* gauge labels 1..7: 25910..25916 */
#define IDC_VSP_ROW_ENTRY    25920 /* row labels */
#define IDC_VSP_ROW_ERROR    25921
#define IDC_VSP_ROW_TIMEOUT1 25922
#define IDC_VSP_ROW_TIMEOUT2 25923
#define IDC_VSP_ROW_WARNLO   25924
#define IDC_VSP_ROW_WARNHI   25925
#define IDC_VSP_ROW_DELAY    25926
#define IDC_VSP_ROW_TSLOW    25927
#define IDC_VSP_ROW_RC_ERROR 25928
#define IDC_VSP_ROW_RC_WARN  25929
#define IDC_VSP_ROW_RC_TO    25930
#define IDC_VSP_RC_NORMAL7   25931 /* the "Normal" note of the reaction-cell error row, column 7 */
#define IDC_VSP_TURBO_GROUP  25932 /* "Turbo Pump Revolution" */
#define IDC_VSP_TPI_HEAD     25933
#define IDC_VSP_TPA_HEAD     25934
#define IDC_VSP_TP_ROW_ANA   25935
#define IDC_VSP_TP_ROW_SD    25936
#define IDC_VSP_TP_ROW_STB   25937
#define IDC_VSP_AUTOS_L      25938
/* Edit fields, from "Entry Press" of column 1 to the last reaction-cell field. */
#define IDC_VSP_FIRST_FIELD  25940
#define IDC_VSP_ENTRY1       25940
#define IDC_VSP_ERROR1       25941
#define IDC_VSP_TO1_1        25942
#define IDC_VSP_ENTRY2       25943
#define IDC_VSP_ERROR2       25944
#define IDC_VSP_TO1_2        25945
#define IDC_VSP_ENTRY3       25946
#define IDC_VSP_ERROR3       25947
#define IDC_VSP_TO1_3        25948
#define IDC_VSP_TO2_3        25949
#define IDC_VSP_ENTRY4       25950
#define IDC_VSP_ERROR4       25951
#define IDC_VSP_TO1_4        25952
#define IDC_VSP_TO2_4        25953
#define IDC_VSP_ENTRY5       25954
#define IDC_VSP_ERROR5       25955
#define IDC_VSP_TO1_5        25956
#define IDC_VSP_ERROR6       25957
#define IDC_VSP_WARNLO6      25958
#define IDC_VSP_WARNHI6      25959
#define IDC_VSP_DELAY4       25960
#define IDC_VSP_TSLOW3       25961
#define IDC_VSP_ENTRY7       25962
#define IDC_VSP_ERROR7       25963
#define IDC_VSP_TO1_7        25964
#define IDC_VSP_TPI_ANA      25965
#define IDC_VSP_TPI_SD       25966
#define IDC_VSP_TPA_ANA      25967
#define IDC_VSP_TPA_SD       25968
#define IDC_VSP_TPI_STB      25969
#define IDC_VSP_TPA_STB      25970
#define IDC_VSP_AUTOS        25971
#define IDC_VSP_RC_ERROR1    25972
#define IDC_VSP_RC_ERROR3    25973
#define IDC_VSP_RC_WARNHI3   25974
#define IDC_VSP_RC_TO3       25975
#define IDC_VSP_RC_ERROR5    25976
#define IDC_VSP_RC_WARNHI5   25977
#define IDC_VSP_RC_TO5       25978
#define IDC_VSP_LAST_FIELD   25978

/* ---- 268 Water Controller Maintenance (the instrument's fixed control ids) ---- */
#define IDC_WTR_VALVE        1002 /* "Open Water Valve" */
#define IDC_WTR_FLOW1        1003 /* first flow (combined flow in the "_StyleB" layout) */
#define IDC_WTR_FLOW2        1004 /* second flow */
#define IDC_WTR_TEMP         1005 /* water temperature */
#define IDC_WTR_FLOW1_ERR    1006 /* first flow "Error Lmt L" */
#define IDC_WTR_FLOW2_ERR    1007 /* second flow "Error Lmt L" */
#define IDC_WTR_FLOW1_WARN   1008 /* first flow "Warn Lmt L" */
#define IDC_WTR_FLOW2_WARN   1009 /* second flow "Warn Lmt L" */
#define IDC_WTR_TEMP_WARNL   1010 /* water temperature "Warn Lmt L" */
#define IDC_WTR_TEMP_WARNH   1011 /* water temperature "Warn Lmt H" */
#define IDC_WTR_TEMP_ERRH    1012 /* water temperature "Error Lmt H" */
#define IDC_WTR_FLOW1_L      1013
#define IDC_WTR_FLOW1_U      1014
#define IDC_WTR_FLOW2_L      1015
#define IDC_WTR_FLOW2_U      1016
#define IDC_WTR_LIM1_L       1017 /* limit row labels and units */
#define IDC_WTR_LIM2_L       1018
#define IDC_WTR_LIM1_U       1019
#define IDC_WTR_LIM2_U       1020
#define IDC_WTR_OUTPUTS      26800 /* group "Outputs" */
#define IDC_WTR_INPUTS       26801 /* group "Inputs" */
#define IDC_WTR_LIMITS       26802 /* group "System Parameters" */
#define IDC_WTR_TEMP_L       26803
#define IDC_WTR_TEMP_U       26804
#define IDC_WTR_HEAD_ERRL    26805 /* column headings */
#define IDC_WTR_HEAD_WARNL   26806
#define IDC_WTR_HEAD_WARNH   26807
#define IDC_WTR_HEAD_ERRH    26808
#define IDC_WTR_HEAD_UNIT    26809
#define IDC_WTR_LIMT_L       26810 /* water temperature limit row label and unit */
#define IDC_WTR_LIMT_U       26811
#define IDC_WTR_NONE1        26812 /* "---": the cells without a limit */
#define IDC_WTR_NONE2        26813
#define IDC_WTR_NONE3        26814
#define IDC_WTR_NONE4        26815
#define IDC_WTR_NONE5        26816

/* ---- 270 Spray Chamber Chiller Maintenance (the instrument's fixed control ids) ---- */
#define IDC_SC_SETPOINT      1003 /* temperature set point */
#define IDC_SC_CONTROL       1004 /* "Enable Temp Control" */
#define IDC_SC_PELTIER       1005
#define IDC_SC_TEMPH         1006
#define IDC_SC_TEMPL         1007
#define IDC_SC_TOLERANCE     1011
#define IDC_SC_LOWER         1012
#define IDC_SC_UPPER         1013
#define IDC_SC_CONTROL_NOTE  1014 /* "(Open Water Valve)" */
#define IDC_SC_SETPOINT_L    1015
#define IDC_SC_SETPOINT_U    1016
#define IDC_SC_OUTPUTS       27000 /* group "Outputs" */
#define IDC_SC_INPUTS        27001 /* group "Inputs" */
#define IDC_SC_LIMITS        27002 /* group "System Parameters" */
#define IDC_SC_TEMPH_L       27003
#define IDC_SC_TEMPH_U       27004
#define IDC_SC_TEMPL_L       27005
#define IDC_SC_TEMPL_U       27006
#define IDC_SC_PELTIER_L     27007
#define IDC_SC_PELTIER_U     27008
#define IDC_SC_TOLERANCE_L   27009
#define IDC_SC_TOLERANCE_U   27010
#define IDC_SC_LOWER_L       27011
#define IDC_SC_LOWER_U       27012
#define IDC_SC_UPPER_L       27013
#define IDC_SC_UPPER_U       27014

/* ---- 271 PeriPump Maintenance ---- */
#define IDC_PUMP_OUTPUTS     27100
#define IDC_PUMP_NEB_L       27101
#define IDC_PUMP_NEB         27102
#define IDC_PUMP_NEB_U       27103
#define IDC_PUMP_SMP_L       27104
#define IDC_PUMP_SMP         27105
#define IDC_PUMP_SMP_U       27106

/* ---- 272 XYZ Stage Maintenance ---- */
#define IDC_XYZ_OUTPUTS      27200 /* group "Outputs": the target positions */
#define IDC_XYZ_X_L          27201
#define IDC_XYZ_X            27202
#define IDC_XYZ_X_U          27203
#define IDC_XYZ_Y_L          27204
#define IDC_XYZ_Y            27205
#define IDC_XYZ_Y_U          27206
#define IDC_XYZ_Z_L          27207
#define IDC_XYZ_Z            27208
#define IDC_XYZ_Z_U          27209
#define IDC_XYZ_INIT         27210 /* "Initialize" */
#define IDC_XYZ_INPUTS       27211 /* group "Inputs" */
#define IDC_XYZ_XLMTL_L      27212
#define IDC_XYZ_XLMTL        27213
#define IDC_XYZ_XLMTH_L      27214
#define IDC_XYZ_XLMTH        27215
#define IDC_XYZ_YLMTL_L      27216
#define IDC_XYZ_YLMTL        27217
#define IDC_XYZ_YLMTH_L      27218
#define IDC_XYZ_YLMTH        27219
#define IDC_XYZ_ZLMTL_L      27220
#define IDC_XYZ_ZLMTL        27221
#define IDC_XYZ_XINIERR_L    27222
#define IDC_XYZ_XINIERR      27223
#define IDC_XYZ_YINIERR_L    27224
#define IDC_XYZ_YINIERR      27225
#define IDC_XYZ_ZINIERR_L    27226
#define IDC_XYZ_ZINIERR      27227
#define IDC_XYZ_XYZERR_L     27228
#define IDC_XYZ_XYZERR       27229
#define IDC_XYZ_TRCLST_L     27230
#define IDC_XYZ_TRCLST       27231 /* "On Track:": the stage knows its position */
#define IDC_XYZ_XYZMNT_L     27232
#define IDC_XYZ_XYZMNT       27233
#define IDC_XYZ_POSX_L       27234 /* the stage's position */
#define IDC_XYZ_POSX         27235
#define IDC_XYZ_POSX_U       27236
#define IDC_XYZ_POSY_L       27237
#define IDC_XYZ_POSY         27238
#define IDC_XYZ_POSY_U       27239
#define IDC_XYZ_POSZ_L       27240
#define IDC_XYZ_POSZ         27241
#define IDC_XYZ_POSZ_U       27242
#define IDC_XYZ_ORIGINS      27243 /* group "System Parameters": the stored origins */
#define IDC_XYZ_XORG_L       27244
#define IDC_XYZ_XORG         27245
#define IDC_XYZ_XORG_U       27246
#define IDC_XYZ_YORG_L       27247
#define IDC_XYZ_YORG         27248
#define IDC_XYZ_YORG_U       27249
#define IDC_XYZ_ZORG_L       27250
#define IDC_XYZ_ZORG         27251
#define IDC_XYZ_ZORG_U       27252

/* ---- 274 Housing Maintenance ---- */
#define IDC_HSG_S24          27400
#define IDC_HSG_S24_V        27401
#define IDC_HSG_S24_U        27402
#define IDC_HSG_INPUTS       27403
#define IDC_HSG_COVR_L       27404
#define IDC_HSG_COVR         27405
#define IDC_HSG_CVOPNER_L    27406
#define IDC_HSG_CVOPNER      27407
#define IDC_HSG_ERRPW2_L     27408
#define IDC_HSG_ERRPW2       27409
#define IDC_HSG_V24ER_L      27410
#define IDC_HSG_V24ER        27411
#define IDC_HSG_ERRPW3_L     27412
#define IDC_HSG_ERRPW3       27413
#define IDC_HSG_ERRPW4_L     27414
#define IDC_HSG_ERRPW4       27415
#define IDC_HSG_ERRPW5_L     27416
#define IDC_HSG_ERRPW5       27417
#define IDC_HSG_TMP1_L       27418
#define IDC_HSG_TMP1         27419
#define IDC_HSG_TMP1_U       27420
#define IDC_HSG_TMP3_L       27421
#define IDC_HSG_TMP3         27422
#define IDC_HSG_TMP3_U       27423
#define IDC_HSG_LIMITS       27424 /* group "System Paramters" */
#define IDC_HSG_WARN_HEAD    27425
#define IDC_HSG_ERROR_HEAD   27426
#define IDC_HSG_LIM1_L       27427
#define IDC_HSG_TMP1_WARN    27428
#define IDC_HSG_TMP1_ERROR   27429
#define IDC_HSG_LIM1_U       27430
#define IDC_HSG_LIM3_L       27431
#define IDC_HSG_TMP3_WARN    27432
#define IDC_HSG_TMP3_ERROR   27433
#define IDC_HSG_LIM3_U       27434

#endif
