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

/* ---- 226 / 314 Plasma RF Maintenance: controls of both templates ---- */
#define IDC_RF_OUTPUTS         22600 /* group "Outputs" */
#define IDC_RF_UTILITIES       22601 /* group "Utilities" */
#define IDC_RF_SEQUENCE        22602 /* group "Sequence" */
#define IDC_RF_INPUTS          22603 /* group "Inputs" */
#define IDC_RF_ERRORS          22604 /* group "Error Inputs" */
#define IDC_RF_SYSGROUP        22605 /* group "System Parameters" */
#define IDC_RF_SRRM            22606
#define IDC_RF_RFFAN           22607
#define IDC_RF_S24             22608
#define IDC_RF_RFOSC           22609
#define IDC_RF_IGNT            22610
#define IDC_RF_SVAG            22611
#define IDC_RF_SVOP            22612
#define IDC_RF_SVW             22613
#define IDC_RF_XYZ_INIT        22614
#define IDC_RF_PLASMA_ON       22615
#define IDC_RF_PLASMA_OFF      22616
#define IDC_RF_SYSPARAM        22617
/* Output fields: caption, field and unit of each. */
#define IDC_RF_PF_L            22620
#define IDC_RF_PF              22621
#define IDC_RF_PF_U            22622
#define IDC_RF_PRLMT_L         22623
#define IDC_RF_PRLMT           22624
#define IDC_RF_PRLMT_U         22625
#define IDC_RF_SRPS_L          22626
#define IDC_RF_SRPS            22627
#define IDC_RF_SRPS_U          22628
#define IDC_RF_SHPS_L          22629
#define IDC_RF_SHPS            22630
#define IDC_RF_SHPS_U          22631
#define IDC_RF_PLGS_L          22632
#define IDC_RF_PLGS            22633
#define IDC_RF_PLGS_U          22634
#define IDC_RF_AXGS_L          22635
#define IDC_RF_AXGS            22636
#define IDC_RF_AXGS_U          22637
#define IDC_RF_CRGS_L          22638
#define IDC_RF_CRGS            22639
#define IDC_RF_CRGS_U          22640
#define IDC_RF_MUGS_L          22641
#define IDC_RF_MUGS            22642
#define IDC_RF_MUGS_U          22643
#define IDC_RF_OPGS_L          22644
#define IDC_RF_OPGS            22645
#define IDC_RF_OPGS_U          22646
#define IDC_RF_PUMP1_L         22647
#define IDC_RF_PUMP1           22648
#define IDC_RF_PUMP1_U         22649
#define IDC_RF_PUMP2_L         22650
#define IDC_RF_PUMP2           22651
#define IDC_RF_PUMP2_U         22652
/* Input displays, one per reading (a reading both generators give keeps its id). */
#define IDC_RF_IN_PSRAW        22660
#define IDC_RF_IN_RFVDER       22661
#define IDC_RF_IN_RFIDER       22662
#define IDC_RF_IN_RFTMPE       22663
#define IDC_RF_IN_UNBLER       22664
#define IDC_RF_IN_DCNCER       22665
#define IDC_RF_IN_RFLVER       22666
#define IDC_RF_IN_RFFANER      22667
#define IDC_RF_IN_MNBFAN       22668
#define IDC_RF_IN_SRLMTA       22669
#define IDC_RF_IN_SRLMTB       22670
#define IDC_RF_IN_SHLMTA       22671
#define IDC_RF_IN_SHLMTB       22672
#define IDC_RF_IN_PSON         22673
#define IDC_RF_IN_PF           22674
#define IDC_RF_IN_PR           22675
#define IDC_RF_IN_SRPS         22676
#define IDC_RF_IN_SHPS         22677
#define IDC_RF_IN_ID1          22678
#define IDC_RF_IN_ID2          22679
#define IDC_RF_IN_ID3          22680
#define IDC_RF_IN_ID4          22681
#define IDC_RF_IN_TTA          22682
#define IDC_RF_IN_TTB          22683
#define IDC_RF_IN_VDA          22684
#define IDC_RF_IN_VDB          22685
#define IDC_RF_IN_IDD          22686
#define IDC_RF_IN_RFV12        22687
#define IDC_RF_IN_RFBI         22688
#define IDC_RF_IN_RFBIAS       22689
#define IDC_RF_IN_IGNT         22690
#define IDC_RF_IN_CHK12V       22691
#define IDC_RF_IN_CHKP5        22692
#define IDC_RF_IN_CHKPH        22693

/* ---- 258 Plasma Ignition System Parameters ---- */
/* Edit fields, named by row and phase (1 Purge, 2 Pre-Ignition, 3 Ramp, 4 At Ignition, 5 Post). */
#define IDC_IGN_PLGS1          25800
#define IDC_IGN_PLGS2          25801
#define IDC_IGN_PLGS5          25802
#define IDC_IGN_AXGS1          25803
#define IDC_IGN_AXGS2          25804
#define IDC_IGN_AXGS5          25805
#define IDC_IGN_CRGS1          25806
#define IDC_IGN_CRGS2          25807
#define IDC_IGN_CRGSORGN2      25808
#define IDC_IGN_MUGS1          25809
#define IDC_IGN_MUGS2          25810
#define IDC_IGN_OPGS1          25811
#define IDC_IGN_OPGS2          25812
#define IDC_IGN_SRPS1          25813
#define IDC_IGN_SHPS1          25814
#define IDC_IGN_SHPS5          25815
#define IDC_IGN_PF2            25816
#define IDC_IGN_PF3            25817
#define IDC_IGN_PF4            25818
#define IDC_IGN_PF5            25819
#define IDC_IGN_PFORGN5        25820
#define IDC_IGN_PRLMT2         25821
#define IDC_IGN_PRLMT5         25822
#define IDC_IGN_PR2            25823
#define IDC_IGN_TIME1          25824
#define IDC_IGN_TIME2          25825
#define IDC_IGN_TIME4          25826
#define IDC_IGN_XPOS4          25827
#define IDC_IGN_SRPS_TOUT      25828
#define IDC_IGN_SRPS_TOL       25829
#define IDC_IGN_SHPS_TOUT      25830
#define IDC_IGN_SHPS_TOL       25831
/* Mirrors: static cells repeating another field of their row (or of the row above). */
#define IDC_IGN_PLGS3_M        25840
#define IDC_IGN_PLGS4_M        25841
#define IDC_IGN_AXGS3_M        25842
#define IDC_IGN_AXGS4_M        25843
#define IDC_IGN_CRGS3_M        25844
#define IDC_IGN_CRGS4_M        25845
#define IDC_IGN_CRGSORGN1_M    25846
#define IDC_IGN_CRGSORGN3_M    25847
#define IDC_IGN_CRGSORGN4_M    25848
#define IDC_IGN_MUGS3_M        25849
#define IDC_IGN_MUGS4_M        25850
#define IDC_IGN_OPGS3_M        25851
#define IDC_IGN_OPGS4_M        25852
#define IDC_IGN_SHPS2_M        25853
#define IDC_IGN_SHPS3_M        25854
#define IDC_IGN_SHPS4_M        25855
#define IDC_IGN_PFORGN2_M      25856
#define IDC_IGN_PFORGN3_M      25857
#define IDC_IGN_PFORGN4_M      25858
#define IDC_IGN_PRLMT3_M       25859
#define IDC_IGN_PRLMT4_M       25860
/* "NA" and "Tune" cells. */
#define IDC_IGN_CRGS5_TUNE     25870
#define IDC_IGN_CRGSORGN5_TUNE 25871
#define IDC_IGN_MUGS5_TUNE     25872
#define IDC_IGN_OPGS5_TUNE     25873
#define IDC_IGN_SRPS2_NA       25874
#define IDC_IGN_SRPS3_NA       25875
#define IDC_IGN_SRPS4_NA       25876
#define IDC_IGN_SRPS5_NA       25877
#define IDC_IGN_PF1_NA         25878
#define IDC_IGN_PFORGN1_NA     25879
#define IDC_IGN_PRLMT1_NA      25880
#define IDC_IGN_PR1_NA         25881
#define IDC_IGN_PR3_NA         25882
#define IDC_IGN_PR4_NA         25883
#define IDC_IGN_PR5_NA         25884
#define IDC_IGN_TIME3_NA       25885
#define IDC_IGN_TIME5_NA       25886
#define IDC_IGN_XPOS1_NA       25887
#define IDC_IGN_XPOS2_NA       25888
#define IDC_IGN_XPOS3_NA       25889
#define IDC_IGN_XPOS5_TUNE     25890

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

/* ---- 261 QP Maintenance ---- */
#define IDC_QP_S24           26100
#define IDC_QP_S24_V         26101
#define IDC_QP_S24_U         26102
#define IDC_QP_OUTPUTS       26103
#define IDC_QP_IGNORE        26104
#define IDC_QP_FAN           26105
#define IDC_QP_PICKUP        26106
#define IDC_QP_BIAS20        26107
#define IDC_QP_MASS_L        26108
#define IDC_QP_MASS          26109
#define IDC_QP_MASS_U        26110
#define IDC_QP_PBIA_L        26111
#define IDC_QP_PBIA          26112
#define IDC_QP_PBIA_U        26113
#define IDC_QP_RESET         26114
#define IDC_QP_SYSGROUP      26115
#define IDC_QP_FREQ_L        26116
#define IDC_QP_FREQ          26117
#define IDC_QP_FREQ_U        26118
#define IDC_QP_AMUGIN_L      26119
#define IDC_QP_AMUGIN        26120
#define IDC_QP_AMUOFST_L     26121
#define IDC_QP_AMUOFST       26122
#define IDC_QP_AXGAIN_L      26123
#define IDC_QP_AXGAIN        26124
#define IDC_QP_AXOFST_L      26125
#define IDC_QP_AXOFST        26126
#define IDC_QP_LINMASS_L     26127
#define IDC_QP_LINMASS       26128
#define IDC_QP_LINMASS_U     26129
#define IDC_QP_ULIN_L        26130
#define IDC_QP_ULIN          26131
#define IDC_QP_LINFACT_L     26132
#define IDC_QP_LINFACT       26133
#define IDC_QP_VLIN_L        26134
#define IDC_QP_VLIN          26135
#define IDC_QP_STBMS_L       26136
#define IDC_QP_STBMS         26137
#define IDC_QP_STBMS_U       26138
#define IDC_QP_TPICKUP_L     26139
#define IDC_QP_TPICKUP       26140
#define IDC_QP_TPICKUP_U     26141
#define IDC_QP_TPOWER_L      26142
#define IDC_QP_TPOWER        26143
#define IDC_QP_TPOWER_U      26144
#define IDC_QP_HVP_UP_L      26145
#define IDC_QP_HVP_UP        26146
#define IDC_QP_HVP_UP_U      26147
#define IDC_QP_HVP_LO_L      26148
#define IDC_QP_HVP_LO        26149
#define IDC_QP_HVP_LO_U      26150
#define IDC_QP_HVN_UP_L      26151
#define IDC_QP_HVN_UP        26152
#define IDC_QP_HVN_UP_U      26153
#define IDC_QP_HVN_LO_L      26154
#define IDC_QP_HVN_LO        26155
#define IDC_QP_HVN_LO_U      26156
#define IDC_QP_BITS          26157
#define IDC_QP_RFER_L        26158
#define IDC_QP_RFER          26159
#define IDC_QP_FANER_L       26160
#define IDC_QP_FANER         26161
#define IDC_QP_ANALOG        26162
#define IDC_QP_MSPF_L        26163
#define IDC_QP_MSPF          26164
#define IDC_QP_MSPF_U        26165
#define IDC_QP_QPFAD_L       26166
#define IDC_QP_QPFAD         26167
#define IDC_QP_QPFAD_U       26168
#define IDC_QP_MSRF_L        26169
#define IDC_QP_MSRF          26170
#define IDC_QP_MSRF_U        26171
#define IDC_QP_UVPOS_L       26172
#define IDC_QP_UVPOS         26173
#define IDC_QP_UVPOS_U       26174
#define IDC_QP_UVNEG_L       26175
#define IDC_QP_UVNEG         26176
#define IDC_QP_UVNEG_U       26177
#define IDC_QP_VV_L          26178
#define IDC_QP_VV            26179
#define IDC_QP_VV_U          26180
#define IDC_QP_QPPHC_L       26181
#define IDC_QP_QPPHC         26182
#define IDC_QP_QPPHC_U       26183
#define IDC_QP_PBMON_L       26184
#define IDC_QP_PBMON         26185
#define IDC_QP_PBMON_U       26186
#define IDC_QP_TMPQP_L       26187
#define IDC_QP_TMPQP         26188
#define IDC_QP_TMPQP_U       26189
#define IDC_QP_TMPQPP_L      26190
#define IDC_QP_TMPQPP        26191
#define IDC_QP_TMPQPP_U      26192
#define IDC_QP_P600V_L       26193
#define IDC_QP_P600V         26194
#define IDC_QP_P600V_U       26195
#define IDC_QP_N600V_L       26196
#define IDC_QP_N600V         26197
#define IDC_QP_N600V_U       26198

/* ---- 263 Lenses Maintenance ---- */
#define IDC_L263_S24         26300
#define IDC_L263_S24_V       26301
#define IDC_L263_S24_U       26302
#define IDC_L263_OUTPUTS     26303
#define IDC_L263_HV          26304
#define IDC_L263_INPUTS      26310
#define IDC_L263_RANGE0      26320
#define IDC_L263_RANGE1      26321
#define IDC_L263_RANGE2      26322
#define IDC_L263_RANGE3      26323
#define IDC_L263_RANGE4      26324
#define IDC_L263_RANGE5      26325
#define IDC_L263_CAP0        26330
#define IDC_L263_CAP1        26331
#define IDC_L263_CAP2        26332
#define IDC_L263_CAP3        26333
#define IDC_L263_CAP4        26334
#define IDC_L263_CAP5        26335
#define IDC_L263_FIELD0      26340 /* lens 1 */
#define IDC_L263_FIELD1      26341 /* lens 2 */
#define IDC_L263_FIELD2      26342 /* lens 3 */
#define IDC_L263_FIELD3      26343 /* lens 5 */
#define IDC_L263_FIELD4      26344 /* lens 6 */
#define IDC_L263_FIELD5      26345 /* lens 7 */
#define IDC_L263_UNIT0       26350
#define IDC_L263_UNIT1       26351
#define IDC_L263_UNIT2       26352
#define IDC_L263_UNIT3       26353
#define IDC_L263_UNIT4       26354
#define IDC_L263_UNIT5       26355
#define IDC_L263_INCAP0      26360
#define IDC_L263_INCAP1      26361
#define IDC_L263_INCAP2      26362
#define IDC_L263_INCAP3      26363
#define IDC_L263_INCAP4      26364
#define IDC_L263_INCAP5      26365
#define IDC_L263_READ0       26370
#define IDC_L263_READ1       26371
#define IDC_L263_READ2       26372
#define IDC_L263_READ3       26373
#define IDC_L263_READ4       26374
#define IDC_L263_READ5       26375
#define IDC_L263_INUNIT0     26380
#define IDC_L263_INUNIT1     26381
#define IDC_L263_INUNIT2     26382
#define IDC_L263_INUNIT3     26383
#define IDC_L263_INUNIT4     26384
#define IDC_L263_INUNIT5     26385
#define IDC_L263_HVL5_L      26390
#define IDC_L263_HVL5        26391
#define IDC_L263_HVL12_L     26392
#define IDC_L263_HVL12       26393
#define IDC_L263_MVP_L       26394
#define IDC_L263_MVP         26395
#define IDC_L263_MVN_L       26396
#define IDC_L263_MVN         26397
#define IDC_L263_HVP_L       26398
#define IDC_L263_HVP         26399

/* ---- 266 Octopole Maintenance ---- */
#define IDC_OCT_S24          26600
#define IDC_OCT_S24_V        26601
#define IDC_OCT_S24_U        26602
#define IDC_OCT_OUTPUTS      26603 /* group "Outputs" */
#define IDC_OCT_HV           26604
#define IDC_OCT_TUNING       26605 /* "Frequency Tuning Mode": feedback off while ticked */
#define IDC_OCT_RFEN         26606
#define IDC_OCT_BIAS_L       26607
#define IDC_OCT_BIAS         26608
#define IDC_OCT_BIAS_U       26609
#define IDC_OCT_RF_L         26610
#define IDC_OCT_RF           26611
#define IDC_OCT_RF_U         26612
#define IDC_OCT_FETB_L       26613
#define IDC_OCT_FETB         26614
#define IDC_OCT_FETB_U       26615
#define IDC_OCT_SYSGROUP     26616 /* group "System Parameters" */
#define IDC_OCT_FRQ_L        26617
#define IDC_OCT_FRQ          26618
#define IDC_OCT_FRQ_U        26619
#define IDC_OCT_LEVEL_L      26620
#define IDC_OCT_LEVEL        26621
#define IDC_OCT_LEVEL_U      26622
#define IDC_OCT_RAMP_L       26623
#define IDC_OCT_RAMP         26624
#define IDC_OCT_RAMP_U       26625
#define IDC_OCT_BEND_L       26626
#define IDC_OCT_BEND         26627
#define IDC_OCT_BEND_U       26628
#define IDC_OCT_SCAN_L       26629
#define IDC_OCT_SCAN         26630
#define IDC_OCT_BITS         26631 /* group "Bit Inputs" */
#define IDC_OCT_FBER_L       26632
#define IDC_OCT_FBER         26633
#define IDC_OCT_IDER_L       26634
#define IDC_OCT_IDER         26635
#define IDC_OCT_ANALOG       26636 /* group "Analog Inputs" */
#define IDC_OCT_BIAS_IN_L    26637
#define IDC_OCT_BIAS_IN      26638
#define IDC_OCT_BIAS_IN_U    26639
#define IDC_OCT_OPAP_L       26640
#define IDC_OCT_OPAP         26641
#define IDC_OCT_OPAP_U       26642
#define IDC_OCT_OPAN_L       26643
#define IDC_OCT_OPAN         26644
#define IDC_OCT_OPAN_U       26645
#define IDC_OCT_OPA_L        26646
#define IDC_OCT_OPA          26647
#define IDC_OCT_OPA_U        26648
#define IDC_OCT_OPBIA_L      26649
#define IDC_OCT_OPBIA        26650
#define IDC_OCT_OPBIA_U      26651
#define IDC_OCT_OPID_L       26652
#define IDC_OCT_OPID         26653
#define IDC_OCT_OPID_U       26654

/* ---- 267 Detector Maintenance ---- */
#define IDC_DET_S24          26700
#define IDC_DET_S24_V        26701
#define IDC_DET_S24_U        26702
#define IDC_DET_OUTPUTS      26703 /* group "Outputs" */
#define IDC_DET_HV           26704
#define IDC_DET_EMGATE       26705 /* "Open EM Gate" */
#define IDC_DET_PULSEGATE    26706 /* "Open Pulse Gate" */
#define IDC_DET_LOGTC        26707 /* "Enable LogAmp Temp Control" */
#define IDC_DET_HVA_L        26708
#define IDC_DET_HVA          26709
#define IDC_DET_HVA_U        26710
#define IDC_DET_HVP_L        26711
#define IDC_DET_HVP          26712
#define IDC_DET_HVP_U        26713
#define IDC_DET_DSCR_L       26714
#define IDC_DET_DSCR         26715
#define IDC_DET_DSCR_U       26716
#define IDC_DET_SYSGROUP     26717 /* group "System Parameters" */
/* The 15 stored parameters, top to bottom: label, field, unit. */
#define IDC_DET_EMEL_L       26718
#define IDC_DET_EMEL         26719
#define IDC_DET_EMEL_U       26720
#define IDC_DET_EMGVA_L      26721
#define IDC_DET_EMGVA        26722
#define IDC_DET_EMGVA_U      26723
#define IDC_DET_EMGVP_L      26724
#define IDC_DET_EMGVP        26725
#define IDC_DET_EMGVP_U      26726
#define IDC_DET_PLMT_L       26727
#define IDC_DET_PLMT         26728
#define IDC_DET_PLMT_U       26729
#define IDC_DET_ALMT_L       26730
#define IDC_DET_ALMT         26731
#define IDC_DET_ALMT_U       26732
#define IDC_DET_DTIME_L      26733
#define IDC_DET_DTIME        26734
#define IDC_DET_DTIME_U      26735
#define IDC_DET_REFMASS_L    26736
#define IDC_DET_REFMASS      26737
#define IDC_DET_REFMASS_U    26738
#define IDC_DET_CORR_L       26739
#define IDC_DET_CORR         26740
#define IDC_DET_CORR_U       26741
#define IDC_DET_XUPPER_L     26742
#define IDC_DET_XUPPER       26743
#define IDC_DET_XUPPER_U     26744
#define IDC_DET_XLOWER_L     26745
#define IDC_DET_XLOWER       26746
#define IDC_DET_XLOWER_U     26747
#define IDC_DET_LOGTLMT_L    26748
#define IDC_DET_LOGTLMT      26749
#define IDC_DET_LOGTLMT_U    26750
#define IDC_DET_ALERT_L      26751
#define IDC_DET_ALERT        26752
#define IDC_DET_ALERT_U      26753
#define IDC_DET_WAIT_L       26754
#define IDC_DET_WAIT         26755
#define IDC_DET_WAIT_U       26756
#define IDC_DET_TUNE_L       26757
#define IDC_DET_TUNE         26758
#define IDC_DET_TUNE_U       26759
#define IDC_DET_DSCRLMT_L    26760
#define IDC_DET_DSCRLMT      26761
#define IDC_DET_DSCRLMT_U    26762
#define IDC_DET_BITS         26763 /* group "Bit Inputs" */
#define IDC_DET_EMPRA_L      26764
#define IDC_DET_EMPRA        26765
#define IDC_DET_EMPRP_L      26766
#define IDC_DET_EMPRP        26767
#define IDC_DET_ANALOG       26768 /* group "Analog Inputs" */
#define IDC_DET_HVA_IN_L     26769
#define IDC_DET_HVA_IN       26770
#define IDC_DET_HVA_IN_U     26771
#define IDC_DET_HVP_IN_L     26772
#define IDC_DET_HVP_IN       26773
#define IDC_DET_HVP_IN_U     26774
#define IDC_DET_EMGVA_IN_L   26775
#define IDC_DET_EMGVA_IN     26776
#define IDC_DET_EMGVA_IN_U   26777
#define IDC_DET_EMGVP_IN_L   26778
#define IDC_DET_EMGVP_IN     26779
#define IDC_DET_EMGVP_IN_U   26780
#define IDC_DET_TLOGA_L      26781
#define IDC_DET_TLOGA        26782
#define IDC_DET_TLOGA_U      26783
#define IDC_DET_LOGAMP       26784 /* group "Log Amp Parameters" */
#define IDC_DET_GAIN_L       26785
#define IDC_DET_GAIN         26786
#define IDC_DET_OFFSET_L     26787
#define IDC_DET_OFFSET       26788
#define IDC_DET_LOGREF_L     26789
#define IDC_DET_LOGREF       26790

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

/* ---- 269 Gas Controller Maintenance (also the controls 336 shares) ---- */
#define IDC_GAS_OUTPUTS      26900 /* group "Outputs" */
#define IDC_GAS_SVAG         26901
#define IDC_GAS_SVOP         26902
#define IDC_GAS_SVPRV        26903 /* 269 only */
/* Output set points: label, edit field, unit. */
#define IDC_GAS_SET_PL_L     26904
#define IDC_GAS_SET_PL       26905
#define IDC_GAS_SET_PL_U     26906
#define IDC_GAS_SET_AX_L     26907
#define IDC_GAS_SET_AX       26908
#define IDC_GAS_SET_AX_U     26909
#define IDC_GAS_SET_CR_L     26910
#define IDC_GAS_SET_CR       26911
#define IDC_GAS_SET_CR_U     26912
#define IDC_GAS_SET_MU_L     26913
#define IDC_GAS_SET_MU       26914
#define IDC_GAS_SET_MU_U     26915
#define IDC_GAS_SET_OP_L     26916
#define IDC_GAS_SET_OP       26917
#define IDC_GAS_SET_OP_U     26918
/* Inputs: label, value and unit of each display. */
#define IDC_GAS_INPUTS       26920 /* group "Inputs" */
#define IDC_GAS_PGAR_L       26921
#define IDC_GAS_PGAR         26922
#define IDC_GAS_PGAR_U       26923
#define IDC_GAS_PGCR_L       26924
#define IDC_GAS_PGCR         26925
#define IDC_GAS_PGCR_U       26926
#define IDC_GAS_CHKP5_L      26927
#define IDC_GAS_CHKP5        26928
#define IDC_GAS_CHKP5_U      26929
#define IDC_GAS_PGOPS_L      26930
#define IDC_GAS_PGOPS        26931
#define IDC_GAS_PGOPS_U      26932
#define IDC_GAS_PGOP_L       26933
#define IDC_GAS_PGOP         26934
#define IDC_GAS_PGOP_U       26935
#define IDC_GAS_OPGS_L       26936
#define IDC_GAS_OPGS         26937
#define IDC_GAS_OPGS_U       26938
#define IDC_GAS_PLGS_L       26939 /* the measured flows (in 336 the "Flow" group) */
#define IDC_GAS_PLGS         26940
#define IDC_GAS_PLGS_U       26941
#define IDC_GAS_AXGS_L       26942
#define IDC_GAS_AXGS         26943
#define IDC_GAS_AXGS_U       26944
#define IDC_GAS_CRGS_L       26945
#define IDC_GAS_CRGS         26946
#define IDC_GAS_CRGS_U       26947
#define IDC_GAS_MUGS_L       26948
#define IDC_GAS_MUGS         26949
#define IDC_GAS_MUGS_U       26950
#define IDC_GAS_CHKVMF_L     26951 /* 269 only */
#define IDC_GAS_CHKVMF       26952
#define IDC_GAS_CHKVMF_U     26953
/* System parameters: a grid of one row per gas. */
#define IDC_GAS_SYSGROUP     26955 /* group "System Parameters" */
#define IDC_GAS_LOWER_HEAD   26956
#define IDC_GAS_TOL_HEAD     26957
#define IDC_GAS_UNIT1_HEAD   26958
#define IDC_GAS_OLMT_HEAD    26959 /* 269 only */
#define IDC_GAS_OFFSET_HEAD  26960 /* 269 only */
#define IDC_GAS_UNIT2_HEAD   26961
#define IDC_GAS_PL_ROW       26962
#define IDC_GAS_PL_LOWER     26963
#define IDC_GAS_PL_TOL       26964
#define IDC_GAS_PL_UNIT1     26965
#define IDC_GAS_PL_OLMT      26966
#define IDC_GAS_PL_OFFSET    26967 /* 269 only */
#define IDC_GAS_PL_UNIT2     26968
#define IDC_GAS_AX_ROW       26969
#define IDC_GAS_AX_LOWER     26970
#define IDC_GAS_AX_TOL       26971
#define IDC_GAS_AX_UNIT1     26972
#define IDC_GAS_AX_OLMT      26973
#define IDC_GAS_AX_OFFSET    26974 /* 269 only */
#define IDC_GAS_AX_UNIT2     26975
#define IDC_GAS_CR_ROW       26976
#define IDC_GAS_CR_NOLOWER   26977 /* "---" */
#define IDC_GAS_CR_TOL       26978
#define IDC_GAS_CR_UNIT1     26979
#define IDC_GAS_CR_OLMT      26980
#define IDC_GAS_CR_OFFSET    26981 /* 269 only */
#define IDC_GAS_CR_UNIT2     26982
#define IDC_GAS_MU_ROW       26983
#define IDC_GAS_MU_NOLOWER   26984 /* "---" */
#define IDC_GAS_MU_TOL       26985
#define IDC_GAS_MU_UNIT1     26986
#define IDC_GAS_MU_OLMT      26987
#define IDC_GAS_MU_OFFSET    26988 /* 269 only */
#define IDC_GAS_MU_UNIT2     26989
#define IDC_GAS_OP_ROW       26990
#define IDC_GAS_OP_NOLOWER   26991 /* "---" */
#define IDC_GAS_OP_TOL       26992
#define IDC_GAS_OP_UNIT1     26993
#define IDC_GAS_OP_OLMT      26994
#define IDC_GAS_OP_OFFSET    26995 /* 269 only */
#define IDC_GAS_OP_UNIT2     26996
#define IDC_GAS_ADJUST       1300  /* "Offset Adjustment", the same id in both templates */

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

/* ---- 289 Lenses Maintenance ---- */
#define IDC_L289_S24         28900
#define IDC_L289_S24_V       28901
#define IDC_L289_S24_U       28902
#define IDC_L289_OUTPUTS     28903
#define IDC_L289_HV          28904
#define IDC_L289_INPUTS      28910
#define IDC_L289_RANGE0      28920
#define IDC_L289_RANGE1      28921
#define IDC_L289_RANGE2      28922
#define IDC_L289_RANGE3      28923
#define IDC_L289_RANGE4      28924
#define IDC_L289_RANGE5      28925
#define IDC_L289_RANGE6      28926
#define IDC_L289_RANGE7      28927
#define IDC_L289_RANGE8      28928
#define IDC_L289_CAP0        28930
#define IDC_L289_CAP1        28931
#define IDC_L289_CAP2        28932
#define IDC_L289_CAP3        28933
#define IDC_L289_CAP4        28934
#define IDC_L289_CAP5        28935
#define IDC_L289_CAP6        28936
#define IDC_L289_CAP7        28937
#define IDC_L289_CAP8        28938
#define IDC_L289_FIELD0      28940 /* lens 1 */
#define IDC_L289_FIELD1      28941 /* lens 2 */
#define IDC_L289_FIELD2      28942 /* lens 4 */
#define IDC_L289_FIELD3      28943 /* lens 3 */
#define IDC_L289_FIELD4      28944 /* lens 5 */
#define IDC_L289_FIELD5      28945 /* lens 6 */
#define IDC_L289_FIELD6      28946 /* lens 7 */
#define IDC_L289_FIELD7      28947 /* lens 10 */
#define IDC_L289_FIELD8      28948 /* lens 9 */
#define IDC_L289_UNIT0       28950
#define IDC_L289_UNIT1       28951
#define IDC_L289_UNIT2       28952
#define IDC_L289_UNIT3       28953
#define IDC_L289_UNIT4       28954
#define IDC_L289_UNIT5       28955
#define IDC_L289_UNIT6       28956
#define IDC_L289_UNIT7       28957
#define IDC_L289_UNIT8       28958
#define IDC_L289_INCAP0      28960
#define IDC_L289_INCAP1      28961
#define IDC_L289_INCAP2      28962
#define IDC_L289_INCAP3      28963
#define IDC_L289_INCAP4      28964
#define IDC_L289_INCAP5      28965
#define IDC_L289_INCAP6      28966
#define IDC_L289_INCAP7      28967
#define IDC_L289_INCAP8      28968
#define IDC_L289_READ0       28970
#define IDC_L289_READ1       28971
#define IDC_L289_READ2       28972
#define IDC_L289_READ3       28973
#define IDC_L289_READ4       28974
#define IDC_L289_READ5       28975
#define IDC_L289_READ6       28976
#define IDC_L289_READ7       28977
#define IDC_L289_READ8       28978
#define IDC_L289_INUNIT0     28980
#define IDC_L289_INUNIT1     28981
#define IDC_L289_INUNIT2     28982
#define IDC_L289_INUNIT3     28983
#define IDC_L289_INUNIT4     28984
#define IDC_L289_INUNIT5     28985
#define IDC_L289_INUNIT6     28986
#define IDC_L289_INUNIT7     28987
#define IDC_L289_INUNIT8     28988
#define IDC_L289_HVL5_L      28990
#define IDC_L289_HVL5        28991
#define IDC_L289_HVL12_L     28992
#define IDC_L289_HVL12       28993
#define IDC_L289_MVP_L       28994
#define IDC_L289_MVP         28995
#define IDC_L289_MVN_L       28996
#define IDC_L289_MVN         28997
#define IDC_L289_HVP_L       28998
#define IDC_L289_HVP         28999

/* ---- 293, 294, 321 Lenses Calibration (fixed ids) ---- */
#define IDC_CAL_CALIBRATE    1002
#define IDC_CAL_LENS1_SLOPE  1011
#define IDC_CAL_LENS2_SLOPE  1012
#define IDC_CAL_LENS3_SLOPE  1013
#define IDC_CAL_LENS4_SLOPE  1014
#define IDC_CAL_LENS5_SLOPE  1015
#define IDC_CAL_LENS6_SLOPE  1016
#define IDC_CAL_LENS7_SLOPE  1017
#define IDC_CAL_LENS9_SLOPE  1019
#define IDC_CAL_LENS10_SLOPE 1020
#define IDC_CAL_GATE_OPEN_SLOPE 1021
#define IDC_CAL_GATE_CLOSE_SLOPE 1022
#define IDC_CAL_LENS1_OFFSET 1031
#define IDC_CAL_LENS2_OFFSET 1032
#define IDC_CAL_LENS3_OFFSET 1033
#define IDC_CAL_LENS4_OFFSET 1034
#define IDC_CAL_LENS5_OFFSET 1035
#define IDC_CAL_LENS6_OFFSET 1036
#define IDC_CAL_LENS7_OFFSET 1037
#define IDC_CAL_LENS9_OFFSET 1039
#define IDC_CAL_LENS10_OFFSET 1040
#define IDC_CAL_GATE_OPEN_OFFSET 1041
#define IDC_CAL_GATE_CLOSE_OFFSET 1042
#define IDC_CAL_LENS2_L      2000 /* label of lens 2 in 321 */
#define IDC_CAL_LENS4_L      2001 /* label of lens 4 in 321 */

/* ---- 293 Lenses Calibration ---- */
#define IDC_C293_SLOPE_HEAD  29300
#define IDC_C293_OFFSET_HEAD 29301
#define IDC_C293_ROW0_L      29310
#define IDC_C293_ROW1_L      29311
#define IDC_C293_ROW2_L      29312
#define IDC_C293_ROW3_L      29313
#define IDC_C293_ROW4_L      29314
#define IDC_C293_ROW5_L      29315
#define IDC_C293_ROW6_L      29316
#define IDC_C293_ROW7_L      29317
#define IDC_C293_ROW8_L      29318
#define IDC_C293_ROW9_L      29319
#define IDC_C293_ROW10_L     29320

/* ---- 294 Lenses Calibration ---- */
#define IDC_C294_SLOPE_HEAD  29400
#define IDC_C294_OFFSET_HEAD 29401
#define IDC_C294_ROW0_L      29410
#define IDC_C294_ROW1_L      29411
#define IDC_C294_ROW2_L      29412
#define IDC_C294_ROW3_L      29413
#define IDC_C294_ROW4_L      29414
#define IDC_C294_ROW5_L      29415
#define IDC_C294_ROW6_L      29416
#define IDC_C294_ROW7_L      29417
#define IDC_C294_ROW8_L      29418

/* ---- 314 Plasma RF Maintenance: the new generator's own displays ---- */
#define IDC_RF_IN_RFFBER       31400
#define IDC_RF_IN_PRER         31401
#define IDC_RF_IN_RF48VER      31402
#define IDC_RF_IN_VLOW         31403
#define IDC_RF_IN_VD           31404
#define IDC_RF_IN_RF48V        31405
#define IDC_RF_IN_RFDV         31406
#define IDC_RF_IN_RFTH         31407
#define IDC_RF_IN_RFTHS        31408
#define IDC_RF_IN_RFDVS        31409
#define IDC_RF_IN_UNBL         31410

/* ---- 320 Lenses Maintenance ---- */
#define IDC_L320_S24         32000
#define IDC_L320_S24_V       32001
#define IDC_L320_S24_U       32002
#define IDC_L320_OUTPUTS     32003
#define IDC_L320_HV          32004
#define IDC_L320_INPUTS      32010
#define IDC_L320_RANGE0      32020
#define IDC_L320_RANGE1      32021
#define IDC_L320_RANGE2      32022
#define IDC_L320_RANGE3      32023
#define IDC_L320_RANGE4      32024
#define IDC_L320_RANGE5      32025
#define IDC_L320_RANGE6      32026
#define IDC_L320_CAP0        32030
#define IDC_L320_CAP1        32031
#define IDC_L320_CAP2        32032
#define IDC_L320_CAP3        32033
#define IDC_L320_CAP4        32034
#define IDC_L320_CAP5        32035
#define IDC_L320_CAP6        32036
#define IDC_L320_FIELD0      32040 /* lens 1 */
#define IDC_L320_FIELD1      32041 /* lens 3 */
#define IDC_L320_FIELD2      32042 /* lens 4 */
#define IDC_L320_FIELD3      32043 /* lens 2 */
#define IDC_L320_FIELD4      32044 /* lens 5 */
#define IDC_L320_FIELD5      32045 /* lens 6 */
#define IDC_L320_FIELD6      32046 /* lens 7 */
#define IDC_L320_UNIT0       32050
#define IDC_L320_UNIT1       32051
#define IDC_L320_UNIT2       32052
#define IDC_L320_UNIT3       32053
#define IDC_L320_UNIT4       32054
#define IDC_L320_UNIT5       32055
#define IDC_L320_UNIT6       32056
#define IDC_L320_INCAP0      32060
#define IDC_L320_INCAP1      32061
#define IDC_L320_INCAP2      32062
#define IDC_L320_INCAP3      32063
#define IDC_L320_INCAP4      32064
#define IDC_L320_INCAP5      32065
#define IDC_L320_INCAP6      32066
#define IDC_L320_READ0       32070
#define IDC_L320_READ1       32071
#define IDC_L320_READ2       32072
#define IDC_L320_READ3       32073
#define IDC_L320_READ4       32074
#define IDC_L320_READ5       32075
#define IDC_L320_READ6       32076
#define IDC_L320_INUNIT0     32080
#define IDC_L320_INUNIT1     32081
#define IDC_L320_INUNIT2     32082
#define IDC_L320_INUNIT3     32083
#define IDC_L320_INUNIT4     32084
#define IDC_L320_INUNIT5     32085
#define IDC_L320_INUNIT6     32086
#define IDC_L320_HVL5_L      32090
#define IDC_L320_HVL5        32091
#define IDC_L320_HVL12_L     32092
#define IDC_L320_HVL12       32093
#define IDC_L320_MVP_L       32094
#define IDC_L320_MVP         32095
#define IDC_L320_MVN_L       32096
#define IDC_L320_MVN         32097
#define IDC_L320_HVP_L       32098
#define IDC_L320_HVP         32099

/* ---- 321 Lenses Calibration ---- */
#define IDC_C321_SLOPE_HEAD  32100
#define IDC_C321_OFFSET_HEAD 32101
#define IDC_C321_ROW0_L      32110
#define IDC_C321_ROW2_L      32112
#define IDC_C321_ROW4_L      32114
#define IDC_C321_ROW5_L      32115
#define IDC_C321_ROW6_L      32116
#define IDC_C321_ROW7_L      32117
#define IDC_C321_ROW8_L      32118
#define IDC_C321_ROW9_L      32119

/* ---- 336 Gas Controller Maintenance with the AFC (beside the 269 ids it shares) ---- */
#define IDC_GAS_FLOW_GROUP   33600 /* group "Flow": the 269 flow displays */
#define IDC_GAS_TMPGS_L      33601
#define IDC_GAS_TMPGS        33602
#define IDC_GAS_TMPGS_U      33603
#define IDC_GAS_DPKPA_GROUP  33604 /* group "DP Press" */
#define IDC_GAS_PLDPKPA_L    33605
#define IDC_GAS_PLDPKPA      33606
#define IDC_GAS_PLDPKPA_U    33607
#define IDC_GAS_AXDPKPA_L    33608
#define IDC_GAS_AXDPKPA      33609
#define IDC_GAS_AXDPKPA_U    33610
#define IDC_GAS_CRDPKPA_L    33611
#define IDC_GAS_CRDPKPA      33612
#define IDC_GAS_CRDPKPA_U    33613
#define IDC_GAS_MUDPKPA_L    33614
#define IDC_GAS_MUDPKPA      33615
#define IDC_GAS_MUDPKPA_U    33616
#define IDC_GAS_BPKPA_GROUP  33617 /* group "BP Press" */
#define IDC_GAS_PLBPKPA_L    33618
#define IDC_GAS_PLBPKPA      33619
#define IDC_GAS_PLBPKPA_U    33620
#define IDC_GAS_AXBPKPA_L    33621
#define IDC_GAS_AXBPKPA      33622
#define IDC_GAS_AXBPKPA_U    33623
#define IDC_GAS_CRBPKPA_L    33624
#define IDC_GAS_CRBPKPA      33625
#define IDC_GAS_CRBPKPA_U    33626
#define IDC_GAS_MUBPKPA_L    33627
#define IDC_GAS_MUBPKPA      33628
#define IDC_GAS_MUBPKPA_U    33629
#define IDC_GAS_DP_HEAD      33630
#define IDC_GAS_BP_HEAD      33631
/* Stored sensor offsets, in the order the offset adjustment measures them. */
#define IDC_GAS_PL_DPV       33632
#define IDC_GAS_AX_DPV       33633
#define IDC_GAS_CR_DPV       33634
#define IDC_GAS_MU_DPV       33635
#define IDC_GAS_PL_BPV       33636
#define IDC_GAS_AX_BPV       33637
#define IDC_GAS_CR_BPV       33638
#define IDC_GAS_MU_BPV       33639

/* ---- 343 Offset Adjustment (the report of the sensor offset adjustment) ---- */
#define IDC_GASREP_DONE      34300 /* "Offset adjustment completed." */
#define IDC_GASREP_ROW       34301 /* 34301..34308: the row captions */
#define IDC_GASREP_ARROW     34310 /* 34310..34317: "->" */
#define IDC_GASREP_UNIT      34320 /* 34320..34327: "(V)" */
#define IDC_GASREP_QUESTION  34330 /* "Update the value?" */
#define IDC_GASREP_OLD       1000  /* 1000..1007: the stored offsets */
#define IDC_GASREP_NEW       1010  /* 1010..1017: the measured ones */
#define IDC_GASREP_YES       6     /* IDYES */
#define IDC_GASREP_NO        7     /* IDNO */

#endif
